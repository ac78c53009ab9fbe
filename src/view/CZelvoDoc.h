#pragma once

#include <QObject>

// The document of a tab: holds nothing; the views of one opener share it.
class CZelvoDoc : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
};
