// Helpers for the widget tests of every room.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "core/styled_text.h"
#include "system/game_folders.h"

namespace chromlet::test {

/// Runs `action` from the event loop on the next modal window that shows up (a dialog's
/// exec() or a message box), once. Polls with a timer, so a test never sleeps; stops watching
/// when it goes out of scope, so a watch that found nothing cannot outlive its test.
class ModalWatcher {
  public:
    explicit ModalWatcher(std::function<void(QWidget*)> action, QWidget* notThis = nullptr)
        : action_(std::move(action)), notThis_(notThis) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != notThis_ && modal->isVisible()) {
                timer_.stop();
                fired_ = true;
                action_(modal);
            }
        });
        timer_.start();
    }
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    /// Whether a modal window showed up.
    bool Fired() const { return fired_; }

  private:
    QTimer timer_;
    std::function<void(QWidget*)> action_;
    QWidget* notThis_;
    bool fired_ = false;
};

/// A test run both ways of a yes-or-no: a column `column` and a row for each answer, `whenTrue`
/// and `whenFalse` the rows' tags.
inline void AddBothWays(const char* column, const char* whenTrue, const char* whenFalse) {
    QTest::addColumn<bool>(column);
    QTest::newRow(whenTrue) << true;
    QTest::newRow(whenFalse) << false;
}

/// Sets an environment variable (or unsets it, for a null value) for its own lifetime, and puts
/// the old value back however the test ends.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~ScopedEnv() {
        if (wasSet_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    QByteArray old_;
    bool wasSet_;
};

/// Finds none of the games' data, so that a window under test never reads the machine's games.
inline DataFolders NoGameData(TargetGame, const std::string&) {
    return {{}, {"/no/game/data"}};
}

}  // namespace chromlet::test
