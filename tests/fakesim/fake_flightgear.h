// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A program that answers as FlightGear's property server (`fgfs --telnet=PORT`) does, on
// 127.0.0.1 only. Each connection starts in the interactive mode: `get PATH` is answered
// "PATH = 'VALUE' (double)" and every command by the prompt "/> "; after `data`, `get PATH` is
// answered by the value alone on a line, or an empty line for a property never set, and no prompt
// follows. Lines end in "\r\n"; `quit` closes the connection.
namespace ventrose::fakesim {

class FakeFlightGear : public QObject {
public:
    FakeFlightGear();

    // Listens on 127.0.0.1 at `port` (0: a free one). False when the port is taken.
    bool listen(std::uint16_t port = 0);
    std::uint16_t port() const { return port_; }

    // A property's value as FlightGear writes it.
    void set(const std::string& path, double value);
    // Quits: every connection and the port close.
    void stop();
    // Listens again on the same port.
    void restart();
    bool listening() const { return server_.isListening(); }
    // Closes every connection and goes on listening.
    void dropConnections();
    // The next three gets of each connection in data mode are answered with a line of words, a
    // line of a megabyte and "nan": FlightGear writes nothing but answers, so a garbled answer is
    // what a faulty or hostile server can send.
    void sendJunk();

    int connections() const { return accepted_; }
    int gets() const { return gets_; }

private:
    struct Client {
        QPointer<QTcpSocket> socket;
        std::string pending;
        bool dataMode = false;
        std::vector<std::string> junk;  // the next answers, last first
    };

    void accept();
    void read(Client& client);
    void answer(Client& client, const std::string& line);

    QTcpServer server_;
    std::uint16_t port_ = 0;
    std::map<std::string, std::string> values_;
    std::vector<std::unique_ptr<Client>> clients_;
    int accepted_ = 0;
    int gets_ = 0;
};

}  // namespace ventrose::fakesim
