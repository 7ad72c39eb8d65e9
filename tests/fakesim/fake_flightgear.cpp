// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakesim/fake_flightgear.h"

#include <QHostAddress>
#include <memory>

namespace ventrose::fakesim {

namespace {

// FlightGear reads commands into a buffer of this size.
constexpr std::size_t kMaxCommandBytes = 512;

void Write(QTcpSocket& socket, const std::string& text) {
    socket.write(text.data(), static_cast<qint64>(text.size()));
}

}  // namespace

FakeFlightGear::FakeFlightGear() {
    connect(&server_, &QTcpServer::newConnection, this, &FakeFlightGear::accept);
}

bool FakeFlightGear::listen(std::uint16_t port) {
    if (!server_.listen(QHostAddress::LocalHost, port)) return false;
    port_ = server_.serverPort();
    return true;
}

void FakeFlightGear::set(const std::string& path, double value) {
    values_[path] = QString::number(value, 'g', 12).toStdString();
}

void FakeFlightGear::stop() {
    server_.close();
    dropConnections();
}

void FakeFlightGear::restart() {
    stop();
    listen(port_);
}

void FakeFlightGear::dropConnections() {
    for (const auto& client : clients_) {
        if (client->socket) {
            client->socket->disconnect(this);
            client->socket->abort();
            client->socket->deleteLater();
        }
    }
    clients_.clear();
}

void FakeFlightGear::sendJunk() {
    for (const auto& client : clients_)
        client->junk = {"nan", std::string(1 << 20, '9'), "vingt noeuds"};
}

void FakeFlightGear::accept() {
    std::erase_if(clients_, [](const auto& c) { return !c->socket; });
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++accepted_;
        clients_.push_back(std::make_unique<Client>());
        Client* client = clients_.back().get();
        client->socket = socket;
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, client] { read(*client); });
        // The client is forgotten at the next connection, never while one of its signals runs.
        connect(socket, &QTcpSocket::disconnected, this, [client] {
            if (!client->socket) return;
            client->socket->deleteLater();
            client->socket = nullptr;
        });
    }
}

void FakeFlightGear::read(Client& client) {
    QTcpSocket* socket = client.socket;
    while (socket != nullptr && client.socket && socket->bytesAvailable() > 0) {
        const QByteArray bytes = socket->readAll();
        for (const char c : bytes) {
            if (c == '\n') {
                std::string line = std::move(client.pending);
                client.pending.clear();
                if (!line.empty() && line.back() == '\r') line.pop_back();
                answer(client, line);
                if (!client.socket) return;
            } else if (client.pending.size() < kMaxCommandBytes) {
                client.pending += c;
            }
        }
    }
}

void FakeFlightGear::answer(Client& client, const std::string& line) {
    QTcpSocket& socket = *client.socket;
    if (line == "data") {
        client.dataMode = true;
    } else if (line == "prompt") {
        client.dataMode = false;
    } else if (line == "quit") {
        socket.disconnectFromHost();
        return;
    } else if (line.starts_with("get ")) {
        ++gets_;
        const std::string path = line.substr(4);
        const auto value = values_.find(path);
        if (client.dataMode && !client.junk.empty()) {
            Write(socket, client.junk.back() + "\r\n");
            client.junk.pop_back();
        } else if (client.dataMode) {
            Write(socket, (value == values_.end() ? std::string() : value->second) + "\r\n");
        } else if (value == values_.end()) {
            Write(socket, "-ERR Node \"" + path + "\" not found.\r\n");
        } else {
            Write(socket, path + " = '" + value->second + "' (double)\r\n");
        }
    } else if (!client.dataMode && !line.empty()) {
        Write(socket, "Unknown command\r\n");
    }
    if (!client.dataMode) Write(socket, "/> ");
}

}  // namespace ventrose::fakesim
