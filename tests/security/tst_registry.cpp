#include "registry.h"

#include <QtTest>

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void emptyBeforeLogOn()
    {
        const Registry registry;
        QCOMPARE(registry.getUserName(), std::string());
        QCOMPARE(registry.getUserPassword(), std::string());
        QCOMPARE(registry.getUser().ByteSizeLong(), std::size_t(0));
    }

    void descriptorWithoutPassword()
    {
        Registry registry;
        qorv::data::User user;
        user.set_user_name("jane");
        user.mutable_user_security_descriptor()->set_audits(3);
        registry.setUser(user);
        QCOMPARE(registry.getUserName(), std::string("jane"));
        QCOMPARE(registry.getUserPassword(), std::string());
    }

    void setUserPasswordCreatesDescriptor()
    {
        Registry registry;
        registry.setUserPassword("FORM");
        QVERIFY(registry.getUser().has_user_security_descriptor());
        QCOMPARE(registry.getUserPassword(), std::string("FORM"));
        qorv::data::User expected;
        expected.mutable_user_security_descriptor()->set_password("FORM");
        QCOMPARE(registry.getUser().SerializeAsString(), expected.SerializeAsString());
    }

    void setUserCopiesTheRecord()
    {
        Registry registry;
        qorv::data::User user;
        user.set_user_id(42);
        registry.setUser(user);
        user.set_user_id(43);
        QCOMPARE(registry.getUser().user_id(), 42);
        registry.getUser().set_user_folder_id(7);
        QCOMPARE(registry.getUser().user_folder_id(), 7);
    }

    void clearEmptiesEverything()
    {
        Registry registry;
        registry.setUserName("jane");
        registry.setUserPassword("FORM");
        registry.clear();
        QCOMPARE(registry.getUser().ByteSizeLong(), std::size_t(0));
        QVERIFY(!registry.getUser().has_user_security_descriptor());
    }

    void singleton()
    {
        RegistrySingleton::instance()->setUserName("jane");
        QCOMPARE(RegistrySingleton::instance()->getUserName(), std::string("jane"));
        RegistrySingleton::instance()->clear();
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
