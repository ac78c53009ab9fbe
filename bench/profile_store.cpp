// Median time of one read and one write on a 200-key settings file.
#include "core/ProfileStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

static double Median(std::vector<qint64>& ns)
{
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1000.0;
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.path() + "/Address.ini";
    for (int i = 0; i < 200; ++i)
        WritePrivateProfileStringA(
            "address", QByteArray::number(i).constData(),
            ("http://www.example.com/path/to/page" + QByteArray::number(i) + ".html").constData(),
            path);

    const int runs = 2000;
    std::vector<qint64> reads;
    std::vector<qint64> writes;
    char buffer[1040];
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        QByteArray key = QByteArray::number(i % 200);
        t.start();
        GetPrivateProfileStringA("address", key.constData(), "", buffer, sizeof buffer, path);
        reads.push_back(t.nsecsElapsed());
    }
    for (int i = 0; i < runs; ++i) {
        QByteArray key = QByteArray::number(i % 200);
        QByteArray value = "http://www.example.com/changed/" + QByteArray::number(i);
        t.start();
        WritePrivateProfileStringA("address", key.constData(), value.constData(), path);
        writes.push_back(t.nsecsElapsed());
    }
    std::printf("GetPrivateProfileStringA, 200-key file: median %.1f us\n", Median(reads));
    std::printf("WritePrivateProfileStringA, 200-key file: median %.1f us\n", Median(writes));
    return 0;
}
