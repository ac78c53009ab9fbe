#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

// The addresses a named proxy is not used for. The list holds entries between
// ";" (blanks and commas separate as well): a host name or address in which
// "*" stands for any run of characters and "?" for one, optionally led by a
// scheme ("https://") and followed by a port (":8080"), which must then match
// too. "*.example.jp" matches the names under example.jp, not example.jp
// itself. "<local>" stands for every name without a dot.
class ProxyBypass {
public:
    ProxyBypass() = default;
    explicit ProxyBypass(const QString& list);

    bool Bypasses(const QString& scheme, const QString& host, int port) const;

private:
    struct Entry {
        QString scheme;
        QRegularExpression host;
        int port = -1;
    };

    void AddEntry(QString entry);

    QList<Entry> m_entries;
    bool m_local = false;
};
