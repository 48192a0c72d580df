#include "abstractapplication.h"

#include <QtTest>

#include <stdexcept>

namespace
{
enum class Thrown
{
    LengthError,
    RuntimeError,
    Other,
};

// An object whose event handler throws what it is told to.
class ThrowingObject : public QObject
{
public:
    explicit ThrowingObject(Thrown thrown)
        : m_thrown(thrown)
    {
    }

    int handled = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        switch (m_thrown) {
        case Thrown::LengthError:
            throw std::length_error("bad key size");
        case Thrown::RuntimeError:
            throw std::runtime_error("EVP_DecryptFinal_ex failed");
        case Thrown::Other:
            throw 42;
        }
        return true;
    }

private:
    Thrown m_thrown;
};
}

Q_DECLARE_METATYPE(Thrown)

class TestAbstractApplication : public QObject
{
    Q_OBJECT

private slots:
    void standardExceptionIsLoggedAndDropped_data()
    {
        QTest::addColumn<Thrown>("thrown");
        QTest::addColumn<QString>("warning");
        QTest::newRow("length error") << Thrown::LengthError << QStringLiteral("std::length_error: bad key size");
        QTest::newRow("other standard exception")
            << Thrown::RuntimeError << QStringLiteral("std::exception: EVP_DecryptFinal_ex failed");
    }

    void standardExceptionIsLoggedAndDropped()
    {
        QFETCH(Thrown, thrown);
        QFETCH(QString, warning);
        ThrowingObject object(thrown);
        QEvent event(QEvent::User);

        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QCOMPARE(QCoreApplication::sendEvent(&object, &event), false);
        QCOMPARE(object.handled, 1);
    }

    void programGoesOnAfterADroppedPostedEvent()
    {
        ThrowingObject object(Thrown::LengthError);
        QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
        bool laterRan = false;
        QTimer::singleShot(0, this, [&laterRan] { laterRan = true; });

        QTest::ignoreMessage(QtWarningMsg, "std::length_error: bad key size");
        QTRY_VERIFY(laterRan);
        QCOMPARE(object.handled, 1);
    }

    void otherExceptionsPassThrough()
    {
        ThrowingObject object(Thrown::Other);
        QEvent event(QEvent::User);
        bool caught = false;
        try {
            QCoreApplication::sendEvent(&object, &event);
        } catch (int) {
            caught = true;
        }
        QVERIFY(caught);
    }
};

int main(int argc, char **argv)
{
    AbstractApplication application(argc, argv);
    TestAbstractApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_abstractapplication.moc"
