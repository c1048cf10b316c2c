// Running chromlet-name as a process, with an environment of its own, on a pipe or on a
// terminal, and a small UDP server on 127.0.0.1 that answers its questions.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace chromlet::test {

/// What one run of the program gave.
struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

/// An environment of its own for each test: a fresh home and settings folder, no display, no
/// colour wish, and a UTF-8 locale.
class CliEnvironment {
  public:
    CliEnvironment() {
        env_.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env_.insert(QStringLiteral("HOME"), home_.path());
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
        env_.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env_.insert(QStringLiteral("TERM"), QStringLiteral("xterm-256color"));
    }
    QProcessEnvironment& Env() { return env_; }
    QString Home() const { return home_.path(); }
    QString Path(const QString& name) const { return home_.filePath(name); }

    /// Runs the program with `arguments` (as UTF-8), standard input closed.
    Ran Run(const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(env_);
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(QStringLiteral(CHROMLET_NAME_PROGRAM), arguments);
        return Finish(process);
    }

    /// Runs a shell command line, "$N" being the program: for arguments that are no UTF-8.
    Ran Shell(const QString& command) const {
        QProcess process;
        QProcessEnvironment env = env_;
        env.insert(QStringLiteral("N"), QStringLiteral(CHROMLET_NAME_PROGRAM));
        process.setProcessEnvironment(env);
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
        return Finish(process);
    }

    /// Whether this machine gives a process a terminal of its own (a pseudo-terminal).
    static bool HasTerminals() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0) {
            close(master);
        }
        return master >= 0;
    }

    /// Runs the program with its standard output on a terminal of its own; `out` is what the
    /// terminal got.
    Ran OnTerminal(const QStringList& arguments) const {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
            ADD_FAILURE() << "no terminal";
            return {};
        }
        QProcess process;
        process.setProcessEnvironment(env_);
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QString::fromLocal8Bit(ptsname(master)));
        process.start(QStringLiteral(CHROMLET_NAME_PROGRAM), arguments);
        Ran ran = Finish(process);
        char buffer[65536];
        pollfd p{master, POLLIN, 0};
        while (poll(&p, 1, 200) > 0) {
            const ssize_t got = read(master, buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            ran.out.append(buffer, static_cast<std::size_t>(got));
        }
        close(master);
        return ran;
    }

  private:
    static Ran Finish(QProcess& process) {
        Ran ran;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "the program did not end";
            return ran;
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "it crashed";
        ran.status = process.exitCode();
        ran.out = process.readAllStandardOutput().toStdString();
        ran.err = process.readAllStandardError().toStdString();
        return ran;
    }

    QTemporaryDir home_;
    QProcessEnvironment env_;
};

/// A UDP server on 127.0.0.1 that answers each packet with what `answer` returns for it, each
/// reply a packet (none: silence). Replies go out of its own socket, or of a second one on another
/// port where `fromElsewhere` is set. It stops with the test.
class UdpResponder {
  public:
    using Answer = std::function<std::vector<std::string>(const std::string& request)>;

    explicit UdpResponder(Answer answer, bool fromElsewhere = false)
        : answer_(std::move(answer)), socket_(Bound()), other_(fromElsewhere ? Bound() : -1) {
        sockaddr_in address{};
        socklen_t length = sizeof address;
        getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~UdpResponder() {
        stop_ = true;
        thread_.join();
        close(socket_);
        if (other_ >= 0) {
            close(other_);
        }
    }
    int Port() const { return port_; }
    int Requests() const { return requests_; }
    std::string LastRequest() const {
        const std::lock_guard lock(mutex_);
        return lastRequest_;
    }

  private:
    static int Bound() {
        const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        return fd;
    }
    void Serve() {
        std::vector<char> buffer(65536);
        while (!stop_) {
            pollfd p{socket_, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0) {
                continue;
            }
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t got = recvfrom(socket_, buffer.data(), buffer.size(), 0,
                                         reinterpret_cast<sockaddr*>(&from), &length);
            if (got < 0) {
                continue;
            }
            ++requests_;
            const std::string request(buffer.data(), static_cast<std::size_t>(got));
            {
                const std::lock_guard lock(mutex_);
                lastRequest_ = request;
            }
            for (const std::string& reply : answer_(request)) {
                sendto(other_ >= 0 ? other_ : socket_, reply.data(), reply.size(), 0,
                       reinterpret_cast<sockaddr*>(&from), length);
            }
        }
    }

    Answer answer_;
    int socket_;
    int other_;
    int port_ = 0;
    std::atomic<bool> stop_ = false;
    std::atomic<int> requests_ = 0;
    mutable std::mutex mutex_;
    std::string lastRequest_;
    std::thread thread_;
};

}  // namespace chromlet::test
