#pragma once

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// Serves the three feeds from a folder laid out like the vendor's site, and
// the marker of this build's version, over HTTP/1.1 on 127.0.0.1, one request per connection.
class DrawServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrawServer)

public:
    // retireMarker: answer 404 for the marker, as the vendor's server does
    // for a version it no longer supports.
    DrawServer(const QString &root, bool retireMarker, QObject *parent = nullptr);

    // port 0 takes any free port.
    bool listen(quint16 port);
    QString errorString() const { return m_listener.errorString(); }
    // "http://127.0.0.1:PORT"
    QUrl url() const;

private:
    void accept();
    void read(QTcpSocket *socket);
    QByteArray answer(const QByteArray &method, const QByteArray &target) const;

    QTcpServer m_listener;
    QDir m_root;
    bool m_retireMarker;
    QHash<QByteArray, QString> m_files; // request path -> file below m_root
    QHash<QTcpSocket *, QByteArray> m_heads;
};
