#include "brondel/console/form_layout.h"

namespace brondel {

namespace {
constexpr int panelLeft = FormLayout::Margin + FormLayout::SidebarWidth + FormLayout::Margin;
constexpr int panelTop = FormLayout::Margin + FormLayout::TitleHeight + FormLayout::Margin;
constexpr int panelWidth = FormLayout::FormWidth - panelLeft - FormLayout::Margin;
constexpr int panelHeight = FormLayout::FormHeight - panelTop - FormLayout::Margin;
}  // namespace

host::Geometry FormLayout::form() { return {0, 0, FormWidth, FormHeight}; }

host::Geometry FormLayout::sidebar() { return {Margin, Margin, SidebarWidth, FormHeight - 2 * Margin}; }

host::Geometry FormLayout::titleBar() { return {panelLeft, Margin, panelWidth, TitleHeight}; }

host::Geometry FormLayout::panel() { return {panelLeft, panelTop, panelWidth, panelHeight}; }

host::Geometry FormLayout::messageLabel() { return {4 * Margin, 4 * Margin, panelWidth - 8 * Margin, 12 * RowHeight}; }

host::Geometry FormLayout::hidden() { return {0, 0, 0, 0}; }

FormLayout::FormLayout(FieldSide side, int rows, int columns, int labelWidth, int fieldWidth)
    : side_(side), rows_(rows), columns_(columns), labelWidth_(labelWidth), fieldWidth_(fieldWidth) {}

int FormLayout::boxWidth() const {
    return side_ == FieldSide::Top ? panelWidth : 2 * Margin + columns_ * (labelWidth_ + fieldWidth_ + Margin);
}

int FormLayout::boxHeight() const {
    return side_ == FieldSide::Top ? BoxHeader + rows_ * RowHeight + Margin : bottomRowTop() - Margin;
}

int FormLayout::bottomRowTop() const { return panelHeight - ButtonHeight; }

host::Geometry FormLayout::fieldBox() const {
    if (side_ == FieldSide::Top)
        return {0, 0, boxWidth(), boxHeight()};
    return {panelWidth - boxWidth(), 0, boxWidth(), boxHeight()};
}

host::Geometry FormLayout::grid() const {
    const int bottom = bottomRowTop() - Margin;
    if (side_ == FieldSide::Top) {
        const int top = boxHeight() + Margin;
        return {0, top, panelWidth, bottom - top};
    }
    return {0, 0, panelWidth - boxWidth() - Margin, bottom};
}

host::Geometry FormLayout::navigator() const {
    return {panelWidth - NavigatorWidth, bottomRowTop(), NavigatorWidth, ButtonHeight};
}

host::Geometry FormLayout::button(int slot) const {
    const int right = panelWidth - NavigatorWidth - Margin - slot * (ButtonWidth + Margin);
    return {right - ButtonWidth, bottomRowTop(), ButtonWidth, ButtonHeight};
}

host::Geometry FormLayout::label(int row, int column) const {
    return {Margin + column * (labelWidth_ + fieldWidth_ + Margin), BoxHeader + row * RowHeight, labelWidth_,
            RowHeight - Margin};
}

host::Geometry FormLayout::field(int row, int column) const {
    const host::Geometry beside = label(row, column);
    return {beside.left + labelWidth_, beside.top, fieldWidth_, beside.height};
}

}  // namespace brondel
