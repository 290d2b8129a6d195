// Reading a server's answer to a download: where the body ends, and the
// limits that keep a hostile or broken server from growing the program.

#include <QtTest>

#include "http_response.h"

using namespace hoopdeck;

Q_DECLARE_METATYPE(HttpResponse::Failure)

namespace {
constexpr qint64 kLimit = 1000;

// Feeds the whole text at once, or a byte at a time as a slow network would.
HttpResponse read(const QByteArray &text, bool byteByByte, bool closed)
{
    HttpResponse response(kLimit);
    if (byteByByte) {
        for (char c : text)
            response.feed(QByteArrayView(&c, 1));
    } else {
        response.feed(text);
    }
    if (closed)
        response.endOfInput();
    return response;
}
} // namespace

class HttpResponseTest : public QObject {
    Q_OBJECT
private slots:
    void wholeResponses_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("closed");  // whether the server then closes
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("Content-Length")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n0,1,A\n") << false << 200 << QByteArray("0,1,A\n");
        QTest::newRow("Content-Length repeated alike")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 3, 3\r\ncontent-length: 3\r\n\r\nabc") << false << 200
            << QByteArray("abc");
        QTest::newRow("empty body") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n") << false << 200
                                    << QByteArray();
        QTest::newRow("chunked, with extension and trailer")
            << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                          "4;name=x\r\n0,1,\r\n4\r\n\nSix\r\n0\r\nExpires: never\r\n\r\n")
            << false << 200 << QByteArray("0,1,\nSix");
        QTest::newRow("chunked outranks Content-Length")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 99\r\nTransfer-Encoding: gzip, Chunked\r\n\r\n"
                          "3\r\nabc\r\n0\r\n\r\n")
            << false << 200 << QByteArray("abc");
        QTest::newRow("until close, HTTP/1.0")
            << QByteArray("HTTP/1.0 200 OK\r\nServer: old\r\n\r\nline one\nline two\n") << true << 200
            << QByteArray("line one\nline two\n");
        QTest::newRow("an unknown transfer coding runs until close")
            << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\nContent-Length: 2\r\n\r\nabcd") << true << 200
            << QByteArray("abcd");
        QTest::newRow("bare line feeds, folded header, no reason")
            << QByteArray("HTTP/1.1 200\nX-Note: one\n  two\nContent-Length: 2\n\nok") << false << 200 << QByteArray("ok");
        QTest::newRow("100 Continue first")
            << QByteArray("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok") << false << 200
            << QByteArray("ok");
        QTest::newRow("204 has no body") << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << false << 204 << QByteArray();
        QTest::newRow("404 with its page")
            << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nnope") << false << 404 << QByteArray("nope");
        QTest::newRow("body exactly at the limit")
            << "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + QByteArray(1000, 'x') << false << 200
            << QByteArray(1000, 'x');
    }

    void wholeResponses()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, closed);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        for (bool byteByByte : {false, true}) {
            HttpResponse response = read(text, byteByByte, closed);
            QVERIFY2(response.isComplete(), byteByByte ? "byte by byte" : "at once");
            QVERIFY(response.headComplete());
            QCOMPARE(response.failure(), HttpResponse::Failure::None);
            QCOMPARE(response.statusCode(), status);
            QCOMPARE(response.takeBody(), body);
        }
    }

    void untilCloseIsOnlyCompleteWhenClosed()
    {
        HttpResponse response(kLimit);
        response.feed("HTTP/1.1 200 OK\r\n\r\npart");
        QVERIFY(response.headComplete());
        QVERIFY(!response.isComplete());
        QCOMPARE(response.contentLength(), -1);
        response.endOfInput();
        QVERIFY(response.isComplete());
        QCOMPARE(response.takeBody(), QByteArray("part"));
    }

    void headersAreFoundByAnyCase()
    {
        HttpResponse response(kLimit);
        response.feed("HTTP/1.1 200 OK\r\nContent-Type:  text/plain \r\nContent-Length: 0\r\n\r\n");
        QCOMPARE(response.header("content-type"), QByteArray("text/plain"));
        QCOMPARE(response.header("CONTENT-LENGTH"), QByteArray("0"));
        QCOMPARE(response.header("Server"), QByteArray());
        QCOMPARE(response.contentLength(), 0);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<HttpResponse::Failure>("failure");
        using F = HttpResponse::Failure;
        const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n";
        QTest::newRow("body shorter than announced") << head + "0,1,A\n" << true << F::Cut;
        QTest::newRow("body longer than announced") << head + "0123456789+" << false << F::Overrun;
        QTest::newRow("closed before anything") << QByteArray() << true << F::Cut;
        QTest::newRow("closed in the headers") << QByteArray("HTTP/1.1 200 OK\r\nContent-") << true << F::Cut;
        QTest::newRow("chunked, closed in a chunk")
            << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10\r\nabc") << true << F::Cut;
        QTest::newRow("chunked, closed before the last chunk")
            << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n") << true << F::Cut;
        QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH\r\n\r\n") << false << F::Malformed;
        QTest::newRow("HTTP/2 status line") << QByteArray("HTTP/2 200\r\n\r\n") << false << F::Malformed;
        QTest::newRow("status not a number") << QByteArray("HTTP/1.1 2x0 OK\r\n\r\n") << false << F::Malformed;
        QTest::newRow("status below 100") << QByteArray("HTTP/1.1 099 Odd\r\n\r\n") << false << F::Malformed;
        QTest::newRow("header without a colon") << QByteArray("HTTP/1.1 200 OK\r\nbroken\r\n\r\n") << false << F::Malformed;
        QTest::newRow("blank before the colon")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length : 2\r\n\r\nok") << false << F::Malformed;
        QTest::newRow("Content-Length not a number")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\n") << false << F::Malformed;
        QTest::newRow("Content-Length values differ")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nabc") << false
            << F::Malformed;
        QTest::newRow("chunk size not hex")
            << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n") << false << F::Malformed;
        QTest::newRow("chunk not ended by a line end")
            << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabcd\r\n") << false << F::Malformed;
        QTest::newRow("announced body over the limit")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1001\r\n\r\n") << false << F::BodyTooLarge;
        QTest::newRow("announced body of twenty digits")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n") << false << F::BodyTooLarge;
        QTest::newRow("streamed body over the limit")
            << "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(1001, 'x') << false << F::BodyTooLarge;
        QTest::newRow("chunks over the limit")
            << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1f4\r\n" + QByteArray(500, 'x') + "\r\n1f5\r\n"
            << false << F::BodyTooLarge;
        QTest::newRow("chunk size of many digits")
            << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nffffffffffffffffffffffff\r\n") << false
            << F::BodyTooLarge;
    }

    void failures()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, closed);
        QFETCH(HttpResponse::Failure, failure);
        for (bool byteByByte : {false, true}) {
            HttpResponse response = read(text, byteByByte, closed);
            QVERIFY2(response.hasFailed(), byteByByte ? "byte by byte" : "at once");
            QVERIFY(!response.isComplete());
            QCOMPARE(response.failure(), failure);
            QCOMPARE(response.bodySize(), 0);
        }
    }

    void theHeadIsBounded_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("line");
        const QByteArray status = "HTTP/1.1 200 OK\r\n";
        QTest::newRow("many header lines") << status << QByteArray("X-Filler: xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\r\n");
        QTest::newRow("one endless header line") << status << QByteArray("x");
        QTest::newRow("one endless status line") << QByteArray() << QByteArray("HTTP/1.1 200 OK OK OK");
        QTest::newRow("interim answers without end") << QByteArray() << QByteArray("HTTP/1.1 100 Continue\r\n\r\n");
        QTest::newRow("blank lines without end") << QByteArray() << QByteArray("\r\n");
    }

    // Fed without end, the reader fails once the head is over its limit.
    void theHeadIsBounded()
    {
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, line);
        HttpResponse response(kLimit);
        response.feed(start);
        qint64 fed = 0;
        while (!response.hasFailed() && fed < 4 * HttpResponse::kMaxHeadBytes) {
            response.feed(line);
            fed += line.size();
        }
        QCOMPARE(response.failure(), HttpResponse::Failure::HeadTooLarge);
        QVERIFY(fed <= HttpResponse::kMaxHeadBytes + line.size());
        QVERIFY(!response.headComplete());
    }

    void aHeadJustUnderTheLimitIsRead()
    {
        QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n";
        const QByteArray end = "\r\n";
        head += "X-Filler: " + QByteArray(HttpResponse::kMaxHeadBytes - head.size() - 12 - end.size(), 'x') + "\r\n";
        head += end;
        QCOMPARE(head.size(), HttpResponse::kMaxHeadBytes);
        HttpResponse response(kLimit);
        response.feed(head + "ok");
        QVERIFY(response.isComplete());

        QByteArray overHead = head;
        overHead.insert(head.indexOf("X-Filler: ") + 10, 'x');
        HttpResponse over(kLimit);
        over.feed(overHead + "ok");
        QCOMPARE(over.failure(), HttpResponse::Failure::HeadTooLarge);
    }
};

QTEST_GUILESS_MAIN(HttpResponseTest)
#include "tst_http_response.moc"
