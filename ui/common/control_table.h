// Windows are built from tables that read like their layout description: each control's name,
// kind, caption and rectangle in twips.
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace chromlet::ui {

enum class ControlKind {
    Label,
    BoldLabel,
    Editor,   ///< a NameEditor, made by the window
    TextBox,  ///< a single-line QLineEdit
    Button,
    HorizontalDivider,  ///< an etched line, a captionless frame
    VerticalDivider,
    Preview,     ///< a GamePreview, made by the window
    Budget,      ///< a BudgetView, made by the window
    FileBudget,  ///< a FileBudgetView, made by the window
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

/// Makes the controls of the kinds a window brings itself (an editor, the preview, the budget),
/// as children of `parent`; the kinds every window has are made here.
using OwnControlMaker = std::function<QWidget*(const ControlSpec& control, QWidget* parent)>;

/// Creates the control the table row describes as a child of `parent`, with its objectName,
/// caption, font and geometry.
QWidget* CreateControl(const ControlSpec& control, QWidget* parent,
                       const OwnControlMaker& makeOwn = {});

/// The caption as a QString.
QString Caption(const ControlSpec& control);

}  // namespace chromlet::ui
