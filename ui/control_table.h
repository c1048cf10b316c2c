// Windows are built from tables that read like their layout description: each control's name,
// kind, caption and rectangle in twips.
#pragma once

#include <QRect>
#include <QString>

#include <string_view>

class QWidget;

namespace chromlet::ui {

enum class ControlKind {
    Label,
    BoldLabel,
    Editor,   ///< a NameEditor
    TextBox,  ///< a single-line QLineEdit
    Button,
    HorizontalDivider,  ///< an etched line, a captionless frame
    VerticalDivider,
    Preview,     ///< a GamePreview
    Budget,      ///< a BudgetView
    FileBudget,  ///< a FileBudgetView
};

struct ControlSpec {
    std::string_view name;  ///< becomes the widget's objectName
    ControlKind kind;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;

    QRect Rect() const;
};

/// Creates the control the table row describes as a child of `parent`, with its objectName,
/// caption, font and geometry.
QWidget* CreateControl(const ControlSpec& control, QWidget* parent);

/// The caption as a QString.
QString Caption(const ControlSpec& control);

}  // namespace chromlet::ui
