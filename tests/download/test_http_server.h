#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

// A one-thread HTTP server on 127.0.0.1 that answers every request with a
// scripted reply, including the broken ones a real network produces.
class TestHttpServer : public QObject {
public:
    enum class Mode {
        Reply,        // send reply, then close if closeAfterReply
        CutOff,       // send reply, then close the connection at once
        NeverAnswer,  // read the request and say nothing
        Stall,        // send reply (headers and part of a body) and then nothing
    };

    Mode mode = Mode::Reply;
    QByteArray reply;
    QList<QByteArray> requests;  // the raw requests received

    TestHttpServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, &TestHttpServer::onConnection);
    }

    bool listen(const QHostAddress &address, quint16 port) { return server_.listen(address, port); }
    quint16 port() const { return server_.serverPort(); }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

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
    void onConnection()
    {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
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
        }
    }

    QTcpServer server_;
};
