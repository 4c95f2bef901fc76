#include "automation/variant.h"
#include "automation/error.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <functional>

namespace {

using namespace automation;

struct Case {
    const char* name;
    QVariant input;
    double expected;  // ignored when error is set
    long error = 0;
};

// Runs a conversion over a table: either the expected value or the VB error with its description.
void checkTable(const std::function<double(const QVariant&)>& convert, const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.error == 0) {
            EXPECT_EQ(convert(c.input), c.expected);
            continue;
        }
        try {
            convert(c.input);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), c.error);
            EXPECT_EQ(e.description(), Error::fromNumber(c.error).description());
            EXPECT_EQ(e.source(), QString());
        }
    }
}

TEST(AutomationVariant, CintRoundsHalvesToEvenAndRaisesOverflowOutside16Bits) {
    checkTable([](const QVariant& v) { return cint(v); }, {
                                                              {"2.5", 2.5, 2},
                                                              {"3.5", 3.5, 4},
                                                              {"-2.5", -2.5, -2},
                                                              {"2.6", 2.6, 3},
                                                              {"-0.4", -0.4, 0},
                                                              {"32767", 32767, 32767},
                                                              {"32767.4", 32767.4, 32767},
                                                              {"32767.5", 32767.5, 0, errors::Overflow},
                                                              {"32768", 32768, 0, errors::Overflow},
                                                              {"-32768", -32768, -32768},
                                                              {"-32768.5", -32768.5, -32768},
                                                              {"-32769", -32769, 0, errors::Overflow},
                                                              {"text 12", "12", 12},
                                                              {"text with blanks", " 7 ", 7},
                                                              {"text half", "4.5", 4},
                                                              {"text 32768", "32768", 0, errors::Overflow},
                                                              {"True", true, -1},
                                                              {"Empty", empty(), 0},
                                                              {"Null", null(), 0, errors::InvalidUseOfNull},
                                                              {"text not a number", "abc", 0, errors::TypeMismatch},
                                                              {"empty text", "", 0, errors::TypeMismatch},
                                                              {"text inf", "inf", 0, errors::TypeMismatch},
                                                          });
}

TEST(AutomationVariant, ClngRoundsHalvesToEvenAndRaisesOverflowOutside32Bits) {
    checkTable([](const QVariant& v) { return clng(v); }, {
                                                              {"2147483647", qint64(2147483647), 2147483647},
                                                              {"2147483648", qint64(2147483648), 0, errors::Overflow},
                                                              {"-2147483648", qint64(-2147483648), -2147483648.0},
                                                              {"-2147483649", qint64(-2147483649), 0, errors::Overflow},
                                                              {"32768", 32768, 32768},
                                                              {"0.5", 0.5, 0},
                                                              {"1.5", 1.5, 2},
                                                              {"text 120", "120", 120},
                                                              {"Null", null(), 0, errors::InvalidUseOfNull},
                                                              {"text", "12a", 0, errors::TypeMismatch},
                                                          });
}

TEST(AutomationVariant, TextInHexadecimalOrOctalReadsAsVbDoes) {
    checkTable([](const QVariant& v) { return cdbl(v); },
               {
                   {"hex", "&HFF", 255},
                   {"hex lower case", "&hff", 255},
                   {"four hex digits stay positive", "&HF060", 61536},
                   {"eight hex digits are a signed Long", "&HFFFFF060", -4000},
                   {"more than eight hex digits", "&H100000000", 4294967296.0},
                   {"octal", "&O17", 15},
                   {"blanks around", " &H10 ", 16},
                   {"no digits", "&H", 0, errors::TypeMismatch},
                   {"not hex digits", "&HG1", 0, errors::TypeMismatch},
                   {"no octal 8", "&O8", 0, errors::TypeMismatch},
                   {"signed digits", "&H-1", 0, errors::TypeMismatch},
               });
    EXPECT_EQ(clng(QStringLiteral("&H7FFFFFFF")), 2147483647);
    EXPECT_EQ(cint(QStringLiteral("&O777")), 511);
}

TEST(AutomationVariant, CdblAndCdecReadNumbersAndText) {
    const std::vector<Case> common = {
        {"int", 3, 3},
        {"text exponent", "1.5E3", 1500},
        {"text leading point", "-.25", -0.25},
        {"Empty", empty(), 0},
        {"False", false, 0},
        {"Null", null(), 0, errors::InvalidUseOfNull},
        {"text", "1.2.3", 0, errors::TypeMismatch},
        {"text huge", "1E999", 0, errors::Overflow},
    };
    checkTable([](const QVariant& v) { return cdbl(v); }, common);
    checkTable([](const QVariant& v) { return cdec(v); }, common);
    checkTable([](const QVariant& v) { return cdec(v); }, {
                                                              {"double keeps 15 digits", 0.1 + 0.2, 0.3},
                                                              {"beyond Decimal", 1e29, 0, errors::Overflow},
                                                          });
}

TEST(AutomationVariant, CboolReadsNumbersAndTrueFalseText) {
    checkTable([](const QVariant& v) { return cbool(v); },
               {
                   {"zero", 0, 0},
                   {"non-zero", -3, 1},
                   {"fraction", 0.1, 1},
                   {"text True any case", "tRUE", 1},
                   {"text False", "False", 0},
                   {"numeric text", "2", 1},
                   {"Empty", empty(), 0},
                   {"Null", null(), 0, errors::InvalidUseOfNull},
                   {"other text", "yes", 0, errors::TypeMismatch},
                   {"written True", "#TRUE#", 1},
                   {"written False", "#False#", 0},
                   {"unclosed pound sign", "#TRUE", 0, errors::TypeMismatch},
               });
}

TEST(AutomationVariant, CstrPrintsAsVb) {
    const std::vector<std::pair<QVariant, QString>> cases = {
        {empty(), ""},
        {null(), ""},
        {1.5, "1.5"},
        {2.0, "2"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1e15, "1E+15"},
        {123456789012345.0, "123456789012345"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.1f, "1.1"},
        {true, "True"},
        {false, "False"},
        {qint16(-7), "-7"},
        {qint64(9007199254740993), "9007199254740993"},
        {QString("abc"), "abc"},
        {QDateTime(QDate(1900, 1, 2), QTime(8, 9, 36)), "02/01/1900 08:09:36"},
        {QDateTime(QDate(1900, 12, 30), QTime(0, 0)), "30/12/1900"},
        {QDate(2024, 3, 5), "05/03/2024"},
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), "00:00:00"},
        {QDateTime(QDate(1899, 12, 30), QTime(17, 5, 0)), "17:05:00"},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(cstr(input), expected) << input.typeName();
}

}  // namespace
