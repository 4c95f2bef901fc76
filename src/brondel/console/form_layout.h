#pragma once

#include "brondel/console/host_components/control_design.h"

namespace brondel {

// Where the console's controls sit, in twips, so that every section looks alike. The form: the sidebar
// down the left, the title bar across the top, the section panels (and the message panel, in the same
// place) filling the rest. A section panel: its fields in a group box across the top or down the right
// side (labels in one column, fields in the next, one row per field), its grid filling the rest of the
// panel above the bottom row, where the grid navigator sits at the right and command buttons to its left.
class FormLayout {
public:
    static constexpr int FormWidth = 12660;
    static constexpr int FormHeight = 8730;
    static constexpr int Margin = 60;
    static constexpr int SidebarWidth = 2760;
    static constexpr int TitleHeight = 420;
    static constexpr int RowHeight = 315;
    static constexpr int LabelWidth = 2400;
    static constexpr int FieldWidth = 2400;
    static constexpr int BoxHeader = 330;  // the group box's caption, clear of its frame line
    static constexpr int ButtonHeight = 375;
    static constexpr int ButtonWidth = 1200;
    static constexpr int NavigatorWidth = 4 * ButtonWidth;

    // Of the form.
    static host::Geometry form();
    static host::Geometry sidebar();
    static host::Geometry titleBar();
    static host::Geometry panel();
    // The message label, inside the message panel.
    static host::Geometry messageLabel();
    // Controls without a look of their own (the MDI host, the resize component).
    static host::Geometry hidden();

    enum class FieldSide { Top, Right };
    // A section panel whose field box has rows and columns of fields (a column: a label and its field).
    // A section with long labels or wide fields gives its own widths.
    FormLayout(FieldSide side, int rows, int columns = 1, int labelWidth = LabelWidth, int fieldWidth = FieldWidth);

    // In the panel.
    host::Geometry fieldBox() const;
    host::Geometry grid() const;
    host::Geometry navigator() const;
    // The command button at slot 0, 1... leftwards from the navigator.
    host::Geometry button(int slot) const;

    // In the field box.
    host::Geometry label(int row, int column = 0) const;
    host::Geometry field(int row, int column = 0) const;

private:
    int boxWidth() const;
    int boxHeight() const;
    int bottomRowTop() const;

    FieldSide side_;
    int rows_;
    int columns_;
    int labelWidth_;
    int fieldWidth_;
};

}  // namespace brondel
