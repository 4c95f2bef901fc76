#pragma once

#include <QString>
#include <QtGlobal>

// Plain values shared by the host components: the numbers are the ones the console passes and tests.
namespace host {

// What a control is; the factory creates the matching interface for each kind.
enum class ControlKind {
    Form,
    Panel,
    GroupBox,
    Label,
    Edit,
    Combo,
    Check,
    Button,
    MenuButton,
    Grid,
    GridNavigator,
    TreeView,
    ImageList,
    Sidebar,
    MenuTree,
    MdiHost,
    ResizeComponent,
};

// Status of a virtual frame.
namespace frame_status {
constexpr qint16 Browse = 0;
constexpr qint16 Editing = 1;  // an existing row has pending changes
constexpr qint16 Adding = 2;
}  // namespace frame_status

// Second argument of a frame's ChangeStatus: why the status changed.
namespace status_reason {
constexpr qint32 Gesture = 0;   // a navigator button, a keystroke in a bound control, an operation of the form
constexpr qint32 Rebound = 20;  // the frame's recordset was replaced: views bound to it must bind again
}  // namespace status_reason

// Message-box styles (buttons + icon + default button + modality, added) and answers, as the standard
// message box numbers them.
namespace message_style {
constexpr qint32 Ok = 0;
constexpr qint32 OkCancel = 1;
constexpr qint32 AbortRetryIgnore = 2;
constexpr qint32 YesNoCancel = 3;
constexpr qint32 YesNo = 4;
constexpr qint32 Critical = 16;
constexpr qint32 Question = 32;
constexpr qint32 Exclamation = 48;
constexpr qint32 Information = 64;
constexpr qint32 DefaultButton2 = 256;
constexpr qint32 SystemModal = 4096;
}  // namespace message_style

namespace message_answer {
constexpr qint32 Ok = 1;
constexpr qint32 Cancel = 2;
constexpr qint32 Abort = 3;
constexpr qint32 Retry = 4;
constexpr qint32 Ignore = 5;
constexpr qint32 Yes = 6;
constexpr qint32 No = 7;
}  // namespace message_answer

// Key codes and shift states of KeyDown events.
namespace key {
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int F3 = 114;  // asks an edit with a lookup to open it
constexpr int ShiftMask = 1;
}  // namespace key

namespace mouse_pointer {
constexpr int Default = 0;
constexpr int Hourglass = 11;
}  // namespace mouse_pointer

// Captions of the grid navigator's buttons.
namespace navigator_button {
inline const QString New = QStringLiteral("Nuovo");
inline const QString Save = QStringLiteral("Conferma");
inline const QString Undo = QStringLiteral("Annulla");
inline const QString Delete = QStringLiteral("Elimina");
}  // namespace navigator_button

// Kinds of grid column.
namespace column_kind {
constexpr int Text = 1;
constexpr int Check = 2;
constexpr int ValueList = 3;
}  // namespace column_kind

// Types of a data-format object.
namespace data_format_type {
constexpr int General = 0;
constexpr int Custom = 1;
}  // namespace data_format_type

// Twips per pixel at 96 dpi, for views that render the design geometry.
constexpr int TwipsPerPixel = 15;

}  // namespace host
