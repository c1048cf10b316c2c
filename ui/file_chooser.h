// Asking the user for the configuration file.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace chromlet::ui {

/// What the chooser is opened with. `fileName` is what it starts from: a bare name in
/// `directory` at first, the full path of the file chosen last time afterwards.
struct ChooserSettings {
    QString title;
    QString fileName;
    QString filterDescription;
    QString filterPattern;
    QString directory;
    bool fileMustExist = false;
};

/// Returns the full path of the chosen file, or an empty string when the user cancelled.
using FileChooser = std::function<QString(QWidget* parent, const ChooserSettings& settings)>;

/// The stored settings: "Locate q3config.cfg", "q3config.cfg", the one filter
/// "Q3 Config file" listing only files named q3config.cfg, and the game's folder.
ChooserSettings StoredChooserSettings();

/// Where the chooser opens: "c:\q3test" where that folder exists, else the game's usual folder
/// on this platform where it exists, else the home folder.
QString InitialConfigFolder();

/// Asks `chooser` for an existing file, starting from `settings`, and remembers the chosen one
/// there so that the next question starts from it. Empty when the user cancelled.
QString ChooseExistingFile(const FileChooser& chooser, QWidget* parent, ChooserSettings& settings);

/// The program's chooser, a QFileDialog for opening.
QString DefaultFileChooser(QWidget* parent, const ChooserSettings& settings);

}  // namespace chromlet::ui
