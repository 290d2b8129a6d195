#pragma once

#include <QByteArray>
#include <QList>
#include <QSslConfiguration>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

// A one-thread HTTP server on 127.0.0.1 that answers every request with a
// scripted reply, including the broken ones a real network produces; over
// TLS when it is given a certificate and key.
class TestHttpServer : public QObject {
public:
    enum class Mode {
        Reply,        // send reply, then close if closeAfterReply
        CutOff,       // send reply, then close the connection at once
        NeverAnswer,  // read the request and say nothing
        Stall,        // send reply (headers and part of a body) and then nothing
        Trickle,      // send reply, then trickled one byte every trickleMs, then close
        EndlessHeaders,  // a status line, then header lines until the client leaves or the bound is hit
    };

    // Bounds of the endless modes, so that a client that never gives up cannot keep a test running.
    int trickleMs = 150;
    qint64 endlessBytes = 16 * 1024 * 1024;
    int endlessMs = 5000;
    qint64 bytesSent = 0;  // by the endless and trickling modes

    Mode mode = Mode::Reply;
    QByteArray reply;
    QByteArray trickled;
    QList<QByteArray> requests;  // the raw requests received

    TestHttpServer() : server_(std::make_unique<QTcpServer>()) { begin(); }

    // An https server; clients that refuse its certificate never get a reply.
    explicit TestHttpServer(const QSslConfiguration &tls)
    {
        auto server = std::make_unique<QSslServer>();
        server->setSslConfiguration(tls);
        server_ = std::move(server);
        secure_ = true;
        begin();
    }

    bool listen(const QHostAddress &address, quint16 port) { return server_->listen(address, port); }
    quint16 port() const { return server_->serverPort(); }
    QString address() const
    {
        return (secure_ ? QStringLiteral("https://") : QString()) + QStringLiteral("127.0.0.1:%1").arg(port());
    }

    static QByteArray ok(const QByteArray &body)
    {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size())
               + "\r\n\r\n" + body;
    }
    static QByteArray status(int code, const QByteArray &body = "<html>error</html>")
    {
        return "HTTP/1.1 " + QByteArray::number(code) + " Whatever\r\nContent-Length: "
               + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    }

private:
    void begin()
    {
        listen(QHostAddress::LocalHost, 0);
        // For TLS, once the handshake is through.
        connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, &TestHttpServer::onConnection);
    }

    void onConnection()
    {
        while (QTcpSocket *socket = server_->nextPendingConnection()) {
            auto *buffer = new QByteArray;
            connect(socket, &QTcpSocket::disconnected, socket, [socket, buffer] {
                delete buffer;
                socket->deleteLater();
            });
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                if (!buffer->contains("\r\n\r\n"))
                    return;
                requests.append(*buffer);
                buffer->clear();
                answer(socket);
            });
        }
    }

    void answer(QTcpSocket *socket)
    {
        switch (mode) {
        case Mode::NeverAnswer:
            return;
        case Mode::Reply:
        case Mode::Stall:
            socket->write(reply);
            return;
        case Mode::CutOff:
            socket->write(reply);
            socket->flush();
            socket->disconnectFromHost();
            return;
        case Mode::Trickle:
            socket->write(reply);
            trickle(socket);
            return;
        case Mode::EndlessHeaders:
            sendEndlessHeaders(socket);
            return;
        }
    }

    void trickle(QTcpSocket *socket)
    {
        auto *timer = new QTimer(socket);
        auto *next = new qsizetype(0);
        connect(timer, &QObject::destroyed, [next] { delete next; });
        connect(timer, &QTimer::timeout, socket, [this, socket, timer, next] {
            if (*next >= trickled.size()) {
                timer->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(trickled.mid((*next)++, 1));
            ++bytesSent;
        });
        timer->start(trickleMs);
    }

    // Writes only as fast as the client reads, so the server itself stays small.
    void sendEndlessHeaders(QTcpSocket *socket)
    {
        auto *clock = new QTimer(socket);
        clock->setSingleShot(true);
        clock->start(endlessMs);
        auto more = [this, socket, clock] {
            if (socket->state() != QAbstractSocket::ConnectedState || socket->bytesToWrite() > 64 * 1024)
                return;
            if (bytesSent >= endlessBytes || !clock->isActive()) {
                socket->disconnectFromHost();
                return;
            }
            QByteArray lines;
            for (int i = 0; i < 256; ++i)
                lines += "X-Filler-" + QByteArray::number(bytesSent + lines.size()) + ": " + QByteArray(40, 'x') + "\r\n";
            socket->write(lines);
            bytesSent += lines.size();
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, more);
        connect(clock, &QTimer::timeout, socket, [socket] { socket->disconnectFromHost(); });
        socket->write("HTTP/1.1 200 OK\r\n");
        more();
    }

    std::unique_ptr<QTcpServer> server_;
    bool secure_ = false;
};
