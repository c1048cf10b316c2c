#include "ui/editor/clipboard_watch.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

#include "core/styled_clip.h"

namespace chromlet::ui {

ClipboardWatch::ClipboardWatch(QClipboard* clipboard, Clock clock, QObject* parent)
    : QObject(parent), clipboard_(clipboard), clock_(std::move(clock)) {
    connect(clipboard_, &QClipboard::dataChanged, this, &ClipboardWatch::Reset);
    Reset();
}

ClipboardWatch* ClipboardWatch::ForApplication() {
    static QPointer<ClipboardWatch> watch;
    if (!watch) {
        watch = new ClipboardWatch(QGuiApplication::clipboard(), SteadyMilliseconds,
                                   QCoreApplication::instance());
    }
    return watch;
}

qint64 ClipboardWatch::SteadyMilliseconds() {
    static QElapsedTimer since;
    if (!since.isValid()) {
        since.start();
    }
    return since.elapsed();
}

// Our own copy answers at once, so it is read straight away; another program's clipboard is
// asked only when the user pastes.
void ClipboardWatch::Reset() {
    formats_.reset();
    silent_ = false;
    if (clipboard_->ownsClipboard()) {
        const QMimeData* data = Data();
        formats_ = data ? data->formats() : QStringList();
    }
    emit Changed();
}

const QMimeData* ClipboardWatch::Data() const {
    return clipboard_->mimeData();
}

bool ClipboardWatch::HasPasteFormat(const QStringList& formats) {
    for (const QString& format :
         {QStringLiteral("text/plain"), QStringLiteral("text/html"),
          QStringLiteral("text/uri-list"), QString(QLatin1String(StyledClipMimeType))}) {
        if (formats.contains(format)) {
            return true;
        }
    }
    return false;
}

bool ClipboardWatch::MayPaste() const {
    return !silent_ && (!formats_ || HasPasteFormat(*formats_));
}

// An answer that took seconds and brought nothing was Qt giving up on the owner.
template <typename Ask>
auto ClipboardWatch::Timed(Ask ask) {
    const qint64 start = clock_();
    auto answer = ask();
    if (answer.isEmpty() && clock_() - start >= NoAnswerMilliseconds) {
        silent_ = true;
        emit Changed();
    }
    return answer;
}

QStringList ClipboardWatch::Formats() {
    if (silent_) {
        return {};
    }
    if (!formats_) {
        formats_ = Timed([this] {
            const QMimeData* data = Data();
            return data ? data->formats() : QStringList();
        });
    }
    return *formats_;
}

QString ClipboardWatch::Text() {
    const QMimeData* data = Data();
    return silent_ || !data ? QString() : Timed([data] { return data->text(); });
}

QString ClipboardWatch::Html() {
    const QMimeData* data = Data();
    return silent_ || !data ? QString() : Timed([data] { return data->html(); });
}

QByteArray ClipboardWatch::Read(const QString& format) {
    const QMimeData* data = Data();
    return silent_ || !data ? QByteArray() : Timed([&] { return data->data(format); });
}

}  // namespace chromlet::ui
