#include "browserbus.h"
#include "documenteditorview.h"
#include "icontoolbar.h"
#include "screenshot.h"
#include "settingssingleton.h"
#include "testenvironment.h"

#include "document3.pb.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;

namespace
{
// The window as it is built for the document's owner, at the size of a
// small screen.
DocumentEditorView *OpenEditor()
{
    qorv::data::Document document;
    document.set_document_id(21);
    document.set_document_user_id(GroupDirectory::SessionUserId);
    document.set_document_name("Budget");
    document.set_document_body("<html><body><h2>Budget 2025</h2><p>The <b>quarterly figures</b> as agreed, "
                               "with the <i>notes</i> of the <u>committee</u>.</p></body></html>");
    document.mutable_document_security_descriptor()->set_permissions(0xFFF);
    // The icon tool bar is on show only when the user asked for it.
    SettingsSingleton::instance()->setValue(QStringLiteral("DocumentEditor/Options/IconToolBarDisplay"), true);
    auto *window = new DocumentEditorView(document);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->move(0, 0);
    window->resize(800, 600);
    window->show();
    return window;
}

QAction *ActionNamed(const QWidget *window, const QString &text)
{
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The picture that a tool bar shows for an action.
QImage ButtonPicture(const QWidget *window, const QString &text)
{
    QAction *action = ActionNamed(window, text);
    if (!action)
        return {};
    for (QToolBar *toolBar : window->findChildren<QToolBar *>()) {
        if (QWidget *button = toolBar->widgetForAction(action))
            return button->grab().toImage();
    }
    return {};
}
}

// The document editor's tool bars and the icon catalogue's menu as a user
// sees them on a screen of 800 x 600, kept as pictures in the build tree.
class TestIconScreenshot : public QObject
{
    Q_OBJECT

private:
    BrowserBus m_bus;

private slots:
    void initTestCase()
    {
        QVERIFY(BrowserBus::setUpLikeTheProgram());
        QVERIFY(m_bus.start());
    }

    void cleanupTestCase() { m_bus.stop(); }

    void toolBars()
    {
        DocumentEditorView *window = OpenEditor();
        const testsupport::Screenshot shot(window, QStringLiteral("documenteditor-toolbars"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        for (QToolBar *toolBar : window->findChildren<QToolBar *>()) {
            if (toolBar->isVisible())
                QVERIFY2(shot.colours(toolBar) > 16, qPrintable(toolBar->windowTitle()));
        }

        // Side by side on the formatting tool bar, the three text styles can
        // be told apart as they are shown.
        const QImage bold = ButtonPicture(window, QStringLiteral("Bold"));
        const QImage italic = ButtonPicture(window, QStringLiteral("Italic"));
        const QImage underline = ButtonPicture(window, QStringLiteral("Underline"));
        QVERIFY(!bold.isNull() && !italic.isNull() && !underline.isNull());
        QVERIFY(bold != italic);
        QVERIFY(bold != underline);
        QVERIFY(italic != underline);
        window->close();
    }

    void iconMenu()
    {
        DocumentEditorView *window = OpenEditor();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *icons = window->findChild<IconToolBar *>();
        QVERIFY(icons && icons->isVisible());
        QToolButton *selection = icons->iconSelectionToolButton();
        QMenu *menu = selection->menu();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 215);

        // Opened as the button's arrow opens it: below the button.
        const QPoint below = selection->mapToGlobal(QPoint(0, selection->height()));
        menu->popup(below);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const testsupport::Screenshot shot(QStringLiteral("documenteditor-iconmenu"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));

        // One column of icons that scrolls, within the window's height and a
        // fraction of its width, leaving the button and the text in view.
        const QRect screen = selection->screen()->availableGeometry();
        QVERIFY2(menu->width() < 800 / 3, qPrintable(QString::number(menu->width())));
        QVERIFY2(menu->height() <= screen.height() / 2, qPrintable(QString::number(menu->height())));
        QVERIFY2(menu->y() >= below.y(), qPrintable(QString::number(menu->y())));

        // Going down the list brings the icons further down into view.
        const QPoint firstRow(menu->width() / 2, menu->height() / 8);
        const QAction *first = menu->actionAt(firstRow);
        QVERIFY(first);
        for (int step = 0; step < 30; ++step)
            QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction(), menu->actions().at(29));
        QVERIFY(menu->actionAt(firstRow) != first);
        menu->hide();
        window->close();
    }
};

QTEST_MAIN(TestIconScreenshot)
#include "tst_iconscreenshot.moc"
