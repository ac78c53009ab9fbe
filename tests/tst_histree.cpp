#include "panes/CHisTree.h"

#include "TempHome.h"

#include <QSignalSpy>
#include <QtTest>

// The tab-list pane filled from the transfer file, and what its clicks ask for.
class TestHisTree : public QObject {
    Q_OBJECT

private slots:
    void refill_data();
    void refill();
    void clicks();
};

void TestHisTree::refill_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("three tabs") << QByteArray(
                                       "[Window_count]\r\ncount=2\r\n[Window_List]\r\n0=A\r\n"
                                       "1=B\r\n2=C\r\n")
                                << QStringList({"A", "B", "C"});
    QTest::newRow("no file") << QByteArray() << QStringList({""});
    QTest::newRow("key missing, page text")
        << QByteArray("[Window_count]\r\ncount=2\r\n[Window_List]\r\n0=<b>x</b>\r\n2=\x83\x79\r\n")
        << QStringList({"<b>x</b>", "", QStringLiteral("ペ")});
}

void TestHisTree::refill()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, titles);
    TempHome home;
    if (!file.isEmpty())
        home.write("Window_List.ini", file);
    CHisTree tree;
    tree.Refill();
    QCOMPARE(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree.topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("タブウインドの切り替え"));
    QCOMPARE(root->data(0, Qt::UserRole).toInt(), -1);
    QVERIFY(root->isExpanded());
    QCOMPARE(root->childCount(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(root->child(i)->text(0), titles[i]);
        QCOMPARE(root->child(i)->data(0, Qt::UserRole).toInt(), i);
    }
    QVERIFY(!home.exists("Window_List.ini"));
}

void TestHisTree::clicks()
{
    TempHome home;
    home.write("Window_List.ini",
               "[Window_count]\r\ncount=2\r\n[Window_List]\r\n0=A\r\n1=B\r\n2=C\r\n");
    CHisTree tree;
    tree.resize(300, 300);
    tree.show();
    tree.Refill();
    QSignalSpy activate(&tree, &CHisTree::activateTab);
    QSignalSpy menu(&tree, &CHisTree::tabMenuRequested);
    QTreeWidgetItem* root = tree.topLevelItem(0);
    tree.setCurrentItem(root);
    QCOMPARE(activate.size(), 0);
    tree.setCurrentItem(root->child(2));
    QCOMPARE(activate.size(), 1);
    QCOMPARE(activate.last().at(0).toInt(), 2);
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {},
                      tree.visualItemRect(root->child(1)).center());
    QCOMPARE(activate.last().at(0).toInt(), 1);
    QCOMPARE(menu.size(), 1);
    QCOMPARE(menu.last().at(0).toInt(), 1);
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, tree.visualItemRect(root).center());
    QCOMPARE(menu.size(), 1);
}

QTEST_MAIN(TestHisTree)
#include "tst_histree.moc"
