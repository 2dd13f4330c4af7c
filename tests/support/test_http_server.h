#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>

namespace meterly::testing_support {

struct HttpResponse {
  int status = 200;
  QByteArray reason = "OK";
  QByteArray body;
  QList<QPair<QByteArray, QByteArray>> headers;
  bool stall = false;  // read the request, never answer
};

// A small HTTP/1.1 server on loopback for one test: every request head goes to the handler,
// whose answer is sent back on the same (kept-alive) connection.
class TestHttpServer {
 public:
  using Handler = std::function<HttpResponse(const QByteArray& head)>;

  explicit TestHttpServer(Handler handler) : handler_(std::move(handler)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) Serve(socket);
    });
  }

  // An answer that is always the same.
  static Handler Always(HttpResponse response) {
    return [response](const QByteArray&) { return response; };
  }

  QString Host() const { return QStringLiteral("127.0.0.1:%1").arg(server_.serverPort()); }
  quint16 Port() const { return server_.serverPort(); }

  QList<QByteArray> requests;  // the heads received, in order

 private:
  void Serve(QTcpSocket* socket) {
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
      *buffer += socket->readAll();
      for (qsizetype end = buffer->indexOf("\r\n\r\n"); end >= 0; end = buffer->indexOf("\r\n\r\n")) {
        const QByteArray head = buffer->left(end);
        buffer->remove(0, end + 4);
        requests.append(head);
        Answer(*socket, handler_(head));
      }
    });
  }

  static void Answer(QTcpSocket& socket, const HttpResponse& response) {
    if (response.stall) return;
    QByteArray text = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
    text += "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (const auto& [name, value] : response.headers) text += name + ": " + value + "\r\n";
    socket.write(text + "\r\n" + response.body);
  }

  QTcpServer server_;
  Handler handler_;
};

}  // namespace meterly::testing_support
