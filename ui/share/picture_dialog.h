// File > Export picture...: a picture of a name, both names or one place of the game, drawn as
// the In game window draws it, to save as a PNG or to copy.
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

#include "core/share_text.h"
#include "system/charset_picture.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;

namespace chromlet::ui {

class GameCharset;

class PictureDialog : public QDialog {
    Q_OBJECT

  public:
    /// Asks where to save, starting from `suggested`; empty when the user cancelled.
    using SaveChooser = std::function<QString(QWidget* parent, const QString& suggested)>;

    explicit PictureDialog(QWidget* parent = nullptr);

    /// The names and the charset to draw them from (null: the game's data was not found).
    void SetNames(std::shared_ptr<const NamesReport> names,
                  std::shared_ptr<const GameCharset> charset);
    void SetSaveChooser(SaveChooser chooser) { chooser_ = std::move(chooser); }

    const QImage& Image() const { return image_; }
    /// Saves the picture where the chooser says; false when it was not saved.
    bool Save();
    void Copy();

  private:
    void LayOut();
    void Redraw();
    void GrowToShow();
    QString SuggestedName() const;

    QComboBox* subject_;
    QComboBox* scale_;
    QCheckBox* transparent_;
    QCheckBox* asWritten_;
    QCheckBox* footnote_;
    QScrollArea* scroll_;
    QLabel* preview_;
    QLabel* size_;
    QLabel* status_;
    std::shared_ptr<const NamesReport> names_;
    std::shared_ptr<const GameCharset> charset_;
    chromlet::Picture picture_;
    QImage image_;
    SaveChooser chooser_;
};

}  // namespace chromlet::ui
