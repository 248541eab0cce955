#include "platform/ExchangeChannel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <atomic>
#include <cstring>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

// The companion's messages reach the program through its endpoint; the sender waits for each
// answer, so it runs on a thread of its own while the endpoint's thread handles the messages.
TEST(ExchangeEndpoint, AnswersEachLineAndTakesOverASocketLeftBehind)
{
    int argc = 1;
    char arg0[] = "ipc_tests";
    char* argv[] = {arg0, nullptr};
    QCoreApplication app(argc, argv);
    const quint32 number = 3000000000u + static_cast<quint32>(::getpid());
    // What a program that did not end cleanly leaves at the endpoint's name: a socket file that
    // nobody listens on.
    const QString leftover = QDir(QDir::tempPath()).filePath(ExchangeChannel::EndpointName(number));
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, QFile::encodeName(leftover).constData(), sizeof(address.sun_path) - 1);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
        ASSERT_TRUE(QFile::exists(leftover));
    }

    quint32 seconds = 0;
    int raised = 0;
    {
        ExchangeEndpoint endpoint;
        QObject::connect(&endpoint, &ExchangeEndpoint::exchangeReceived, [&](quint32 s) { seconds = s; });
        QObject::connect(&endpoint, &ExchangeEndpoint::raiseRequested, [&] { ++raised; });
        ASSERT_TRUE(endpoint.Listen(number));
        EXPECT_EQ(endpoint.Number(), number);

        std::atomic<bool> done = false;
        bool sentExchange = false;
        bool sentRaise = false;
        QByteArray unknownAnswer;
        std::thread sender([&] {
            sentExchange = ExchangeChannel::SendExchange(number, 1234, 5000);
            ExchangeChannel::Send(number, "HELLO", &unknownAnswer, 5000);
            sentRaise = ExchangeChannel::SendRaise(number, 5000);
            done = true;
        });
        const QDeadlineTimer deadline(10000);
        while (!done && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        sender.join();
        EXPECT_TRUE(sentExchange);
        EXPECT_EQ(unknownAnswer, QByteArray("ERR"));
        EXPECT_TRUE(sentRaise);
    }
    EXPECT_EQ(seconds, 1234u);
    EXPECT_EQ(raised, 1);
    // An endpoint that ends leaves nothing behind, and nobody answers under its number.
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_FALSE(ExchangeChannel::SendRaise(number, 200));
}
