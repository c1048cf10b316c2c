// What the clipboard offers, asked as seldom as can be. Reading another program's clipboard is a
// round trip to that program, which Qt waits for up to five seconds each time; one that never
// answers would freeze the window for every question. So the formats are asked once per change of
// the clipboard, enabling Paste never asks, and a clipboard whose owner did not answer is not
// asked again until it changes.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QClipboard;
class QMimeData;

namespace chromlet::ui {

class ClipboardWatch : public QObject {
    Q_OBJECT

  public:
    /// Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;
    /// An owner that takes this long to bring nothing did not answer.
    static constexpr qint64 NoAnswerMilliseconds = 1000;

    /// Follows `clipboard`; `clock` times its answers (tests give one that jumps).
    explicit ClipboardWatch(QClipboard* clipboard, Clock clock = SteadyMilliseconds,
                            QObject* parent = nullptr);

    /// The watch of the application's clipboard, made on first use.
    static ClipboardWatch* ForApplication();
    static qint64 SteadyMilliseconds();

    /// What the clipboard holds now; a paste from the clipboard receives this.
    const QMimeData* Data() const;
    /// Whether a paste may find something, without asking: false when the clipboard is known to
    /// hold nothing to paste, or its owner did not answer since it last changed.
    bool MayPaste() const;
    /// Whether the program that holds the clipboard did not answer since it last changed.
    bool Silent() const { return silent_; }

    /// The clipboard's formats, asked once per change; empty when its owner does not answer.
    QStringList Formats();
    /// The clipboard's text, its HTML or the data of `format`, timed; empty when its owner does
    /// not answer (and then it is not asked again until it changes).
    QString Text();
    QString Html();
    QByteArray Read(const QString& format);

    /// Whether `formats` hold something a name editor pastes: its own styled format, text or HTML.
    static bool HasPasteFormat(const QStringList& formats);

  signals:
    /// The clipboard changed, or its owner was found not to answer: MayPaste may say otherwise.
    void Changed();

  private:
    void Reset();
    template <typename Ask>
    auto Timed(Ask ask);

    QClipboard* clipboard_;
    Clock clock_;
    std::optional<QStringList> formats_;
    bool silent_ = false;
};

}  // namespace chromlet::ui
