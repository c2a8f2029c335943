// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt transport between copies on 127.0.0.x, inside a private network namespace.
#include "../support/LoopbackTest.h"
#include "engine/QtTransport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

using engine::NetEvent;
using engine::NetPollResult;
using engine::QtTransport;
using namespace std::chrono_literals;

QByteArray frame(const QByteArray& text, quint32 length)
{
    QByteArray header(4, '\0');
    qToBigEndian(length, header.data());
    return header + text;
}

class Transport : public LoopbackTest {
protected:
    void SetUp() override
    {
        LoopbackTest::SetUp();
        if (IsSkipped())
            return;
        for (QtTransport* t : {&a, &b})
            ASSERT_EQ(t->netStartup(20000, ""), 0);
    }
    // The next event `t` hands out, running the event loop up to a generous deadline.
    static NetPollResult next(engine::Transport& t)
    {
        const QDeadlineTimer deadline(10s);
        NetPollResult r;
        while ((r = t.netPoll()).handle < 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return r;
    }
    // Checks the next event is `event`, on `handle` unless that is -1; gives its handle.
    static int expect(engine::Transport& t, NetEvent event, int handle = -1)
    {
        const NetPollResult r = next(t);
        EXPECT_EQ(r.event, event) << "on handle " << r.handle;
        EXPECT_TRUE(handle < 0 || r.handle == handle) << r.handle << " is not " << handle;
        return r.handle;
    }
    static std::string receive(engine::Transport& t, int handle)
    {
        const NetPollResult r = next(t);
        EXPECT_EQ(r.handle, handle);
        EXPECT_EQ(r.event, NetEvent::DataReady);
        std::string message;
        EXPECT_TRUE(t.netGetData(handle, message));
        EXPECT_EQ(static_cast<int>(message.size()), r.byteCount);
        return message;
    }
    // A hand-driven peer from 127.0.0.5 to `b`.
    static std::unique_ptr<QTcpSocket> raw()
    {
        auto s = std::make_unique<QTcpSocket>();
        EXPECT_TRUE(s->bind(QHostAddress(QStringLiteral("127.0.0.5")), 0));
        s->connectToHost(QStringLiteral("127.0.0.3"), 20000);
        EXPECT_TRUE(s->waitForConnected(5000));
        return s;
    }

    QtTransport a{"127.0.0.2"}, b{"127.0.0.3", 500ms};
};

// Framed messages between two copies; faults on a connection cost only that connection.
TEST_F(Transport, FramedMessagesAndFaultsThatCloseOnlyTheirOwnConnection)
{
    EXPECT_EQ(a.netGetLocalInfo().address, "127.0.0.2");
    const int refused = a.netIPConnect("127.0.0.9", 20000);
    EXPECT_GT(refused, 0);
    expect(a, NetEvent::Failed, refused);
    const int ab = a.netIPConnect("127.0.0.3", 20000);
    expect(a, NetEvent::Connected, ab);
    const int ba = expect(b, NetEvent::Accepted);
    EXPECT_EQ(b.netGetRemoteInfo(ba).address, "127.0.0.2") << "connects from its own address";
    EXPECT_EQ(a.netGetRemoteInfo(ab).address, "127.0.0.3");
    const std::string texts[] = {"", "!", "HELLO Ann", "Gr\xc3\xbc\xc3\x9f" "e \xe2\x9c\x93"};
    for (const std::string& text : texts) {
        a.netSendData(ab, text);
        EXPECT_EQ(receive(b, ba), text);
        b.netSendData(ba, text);
        EXPECT_EQ(receive(a, ab), text);
    }
    const std::string largest(QtTransport::kMaxMessage, 'x');
    b.netSendData(ba, largest);
    EXPECT_EQ(receive(a, ab), largest);

    // Two frames and a half in one read, the rest of the third later.
    const auto peer = raw();
    const int br = expect(b, NetEvent::Accepted);
    const QByteArray three = frame("one", 3) + frame("two", 3) + frame("three", 5);
    peer->write(three.left(three.size() - 3));
    EXPECT_EQ(receive(b, br), "one");
    EXPECT_EQ(receive(b, br), "two");
    peer->write(three.right(3));
    EXPECT_EQ(receive(b, br), "three");

    // Too big, a header cut short, a body cut short: each costs its own connection.
    for (const QByteArray& bad : {frame("", QtTransport::kMaxMessage + 1), QByteArray(2, '\0'),
                                  frame("abc", 10)}) {
        const auto other = raw();
        const int bo = expect(b, NetEvent::Accepted);
        other->write(bad);
        expect(b, NetEvent::Closed, bo);
    }
    peer->write(frame("still here", 10));
    EXPECT_EQ(receive(b, br), "still here");
    a.netSendData(ab, "and here");
    EXPECT_EQ(receive(b, ba), "and here");
    peer->write(frame("last", 4));
    peer->disconnectFromHost();
    EXPECT_EQ(receive(b, br), "last");
    expect(b, NetEvent::Closed, br);

    // A close lets the last message through first.
    a.netSendData(ab, "bye");
    a.netClose(ab);
    EXPECT_EQ(receive(b, ba), "bye");
    expect(b, NetEvent::Closed, ba);
    std::string none;
    EXPECT_FALSE(b.netGetData(ba, none));

    // There is no infra-red: asking for it starts without it.
    EXPECT_LT(a.netStartup(20000, "Lettro"), 0);
    EXPECT_TRUE(a.netIRListDevices().empty());
    EXPECT_LT(a.netIRConnect("any", "Lettro"), 0);
}

// News is noticed from the event loop, so a caller need not wait for its next poll; a
// removed notice is not called again.
TEST_F(Transport, ArrivalsAreNoticedBetweenPolls)
{
    int notices = 0;
    b.setArrivalNotice([&] { ++notices; });
    const auto noticed = [&](int count) {
        const QDeadlineTimer deadline(10s);
        while (notices < count && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return notices;
    };
    const int ab = a.netIPConnect("127.0.0.3", 20000);
    EXPECT_EQ(noticed(1), 1);
    const int ba = expect(b, NetEvent::Accepted);
    a.netSendData(ab, "one");
    EXPECT_GE(noticed(2), 2);
    EXPECT_EQ(receive(b, ba), "one");
    b.setArrivalNotice({});
    const int before = notices;
    a.netSendData(ab, "three");
    EXPECT_EQ(receive(b, ba), "three");
    EXPECT_EQ(notices, before);
}

} // namespace
