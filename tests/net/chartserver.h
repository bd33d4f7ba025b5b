#pragma once

// A rate-chart server on this machine for the download tests: it answers every request
// with one chart text and keeps the paths asked for.

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class ChartServer
{
public:
    explicit ChartServer(QByteArray body) : body_(std::move(body))
    {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    paths.push_back(socket->readAll().split(' ').value(1).toStdString());
                    socket->write(
                        "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                        QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    // The chart folder's address, as the download dialog takes it.
    std::string base() const
    {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/taxmatrix/charts/";
    }
    std::vector<std::string> paths;

private:
    QByteArray body_;
    QTcpServer server_;
};
