// Asking the user for the configuration file.
#pragma once

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace chromlet::ui {

/// What the chooser is opened with. `fileName` is what it starts from: a bare name in
/// `directory` at first, the full path of the file chosen last time afterwards.
struct ChooserSettings {
    QString title;
    QString fileName;
    QString filterDescription;
    QString filterPattern;
    QString directory;  ///< the chosen game's folder, filled in by the window that asks
    bool fileMustExist = false;
};

/// Returns the full path of the chosen file, or an empty string when the user cancelled.
using FileChooser = std::function<QString(QWidget* parent, const ChooserSettings& settings)>;

/// The stored settings: "Locate q3config.cfg", "q3config.cfg" and the one filter
/// "Q3 Config file" listing only files named q3config.cfg; no folder yet.
ChooserSettings StoredChooserSettings();

/// Asks `chooser` for an existing file, starting from `settings`, and remembers the chosen one
/// there so that the next question starts from it. Empty when the user cancelled.
QString ChooseExistingFile(const FileChooser& chooser, QWidget* parent, ChooserSettings& settings);

/// Sets `dialog` up as the program's chooser opens it: for opening, from `settings`; where Qt
/// draws the dialog itself, no column cut and no larger than the screen.
void SetUpChooser(QFileDialog& dialog, const ChooserSettings& settings);

/// The program's chooser, a QFileDialog for opening.
QString DefaultFileChooser(QWidget* parent, const ChooserSettings& settings);

}  // namespace chromlet::ui
