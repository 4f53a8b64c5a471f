#include <QTest>
class P : public QObject { Q_OBJECT };
QTEST_MAIN(P)
#include "test_iftable_form.moc"
