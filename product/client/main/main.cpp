#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuillaneClient"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setOrganizationName(QStringLiteral("Halvemoor"));

    QMainWindow console;
    console.setWindowTitle(QStringLiteral("Quillane Client"));
    console.resize(800, 600);
    console.show();
    return QApplication::exec();
}
