// The main window: the two name editors with their style buttons, "Show code" and "Exit",
// the instructions and the credits, a live preview of both names as the game shows them and a
// button that loads the names back from a configuration file.
#pragma once

#include <QWidget>

#include "ui/file_chooser.h"

namespace chromlet::ui {

class GamePreview;
class NameEditor;

class Form1 : public QWidget {
    Q_OBJECT

  public:
    /// `chooser` is handed to every control-code dialog this window opens.
    explicit Form1(FileChooser chooser = DefaultFileChooser, QWidget* parent = nullptr);

    NameEditor* rtb() const { return rtb_; }
    NameEditor* rtb2() const { return rtb2_; }

  private:
    struct StyleButton;

    void Form_Load();
    void StyleButton_Click(const StyleButton& button);
    void Command9_Click();
    void Command10_Click();
    void Command23_Click();
    void UpdatePreview();

    NameEditor* rtb_ = nullptr;
    NameEditor* rtb2_ = nullptr;
    GamePreview* preview_ = nullptr;
    FileChooser chooser_;
    ChooserSettings loadChooser_;
};

}  // namespace chromlet::ui
