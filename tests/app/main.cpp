// kexuitests CLASS [Qt Test options]: runs one class of the desktop program's tests. Exit 77 tells
// CTest that the class skipped itself for want of the database server.
#include <QApplication>
#include <QTest>
#include <functional>
#include <iostream>
#include <map>
#include <memory>

#include "app/UiTestSupport.h"

std::unique_ptr<QObject> MakeDialogsTest();
std::unique_ptr<QObject> MakeMainWindowTest();
std::unique_ptr<QObject> MakeLayoutsTest();
std::unique_ptr<QObject> MakeSecondStartTest();

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::map<std::string, std::function<std::unique_ptr<QObject>()>> classes = {
        {"Dialogs", MakeDialogsTest},
        {"MainWindow", MakeMainWindowTest},
        {"Layouts", MakeLayoutsTest},
        {"SecondStart", MakeSecondStartTest},
    };
    if (argc < 2 || !classes.count(argv[1])) {
        std::cerr << "Usage: kexuitests Dialogs|MainWindow|Layouts|SecondStart [Qt Test options]\n";
        return 2;
    }
    std::unique_ptr<QObject> test = classes.at(argv[1])();
    QStringList args{QString::fromLocal8Bit(argv[0])};
    for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const int failed = QTest::qExec(test.get(), args);
    if (failed == 0 && kex::test::AnySkipped()) return 77;
    return failed;
}
