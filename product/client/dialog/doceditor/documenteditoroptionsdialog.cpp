#include "documenteditoroptionsdialog.h"

#include "documenteditoroptionkeys.h"
#include "settingssingleton.h"
#include "utils.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace opt = documenteditoroptions;

DocumentEditorOptionsDialog::DocumentEditorOptionsDialog(QWidget *parent)
    : QDialog(parent)
{
    m_standardToolBar = makeGroup(tr("StandardToolBarGroupBoxTitle"), true, true, opt::TopArea);
    m_formattingToolBar = makeGroup(tr("FormattingToolBarGroupBoxTitle"), true, true, opt::TopArea);
    m_iconToolBar = makeGroup(tr("IconToolBarGroupBoxTitle"), true, true, opt::TopArea);
    m_urlAttachmentsDockWidget = makeGroup(tr("UrlAttachmentsDockWidgetGroupBoxTitle"), true, false, opt::BottomArea);
    m_revisionHistoryDockWidget = makeGroup(tr("RevisionHistoryDockWidgetGroupBoxTitle"), false, false, opt::LeftArea);
    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Reset);

    initializeLayout();
    setWindowTitle(tr("DocumentEditorOptionsDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("document_text.png"));
    setMinimumWidth(480);

    showStoredValues();

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &DocumentEditorOptionsDialog::accepted);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttonBox, &QDialogButtonBox::clicked, this, &DocumentEditorOptionsDialog::clicked);
}

DocumentEditorOptionsDialog::~DocumentEditorOptionsDialog() = default;

DocumentEditorOptionsDialog::AreaGroup DocumentEditorOptionsDialog::makeGroup(const QString &title, bool withDisplay,
                                                                              bool withBreak, int fallbackArea)
{
    AreaGroup group;
    group.box = new QGroupBox(title);
    group.fallbackArea = fallbackArea;
    auto *layout = new QVBoxLayout(group.box);
    if (withDisplay) {
        group.display = new QCheckBox(tr("DisplayCheckBox"));
        layout->addWidget(group.display);
    }
    // Radio buttons that share the group box as parent exclude each other, and
    // only each other.
    group.left = new QRadioButton(tr("LeftAreaRadioButton"));
    group.right = new QRadioButton(tr("RightAreaRadioButton"));
    group.top = new QRadioButton(tr("TopAreaRadioButton"));
    group.bottom = new QRadioButton(tr("BottomAreaRadioButton"));
    layout->addWidget(group.left);
    layout->addWidget(group.right);
    layout->addWidget(group.top);
    layout->addWidget(group.bottom);
    if (withBreak) {
        group.lineBreak = new QCheckBox(tr("BreakCheckBox"));
        layout->addWidget(group.lineBreak);
    }
    return group;
}

void DocumentEditorOptionsDialog::initializeLayout()
{
    auto *grid = new QGridLayout;
    grid->addWidget(m_standardToolBar.box, 0, 0);
    grid->addWidget(m_formattingToolBar.box, 0, 1);
    grid->addWidget(m_iconToolBar.box, 0, 2);
    grid->addWidget(m_urlAttachmentsDockWidget.box, 1, 0);
    grid->addWidget(m_revisionHistoryDockWidget.box, 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_buttonBox);
}

void DocumentEditorOptionsDialog::showStoredValues()
{
    Settings &settings = *SettingsSingleton::instance();
    const auto flag = [&settings](const char *key, bool fallback) {
        return settings.value(QLatin1String(key), fallback).toBool();
    };
    const auto area = [&settings](const char *key, int fallback) {
        return settings.value(QLatin1String(key), fallback).toInt();
    };
    showValues(flag(opt::StandardToolBarDisplay, opt::StandardToolBarDisplayDefault),
               flag(opt::FormattingToolBarDisplay, opt::FormattingToolBarDisplayDefault),
               flag(opt::IconToolBarDisplay, opt::IconToolBarDisplayDefault),
               flag(opt::UrlAttachmentsDockWidgetDisplay, opt::UrlAttachmentsDockWidgetDisplayDefault),
               area(opt::StandardToolBarArea, opt::StandardToolBarAreaDefault),
               area(opt::FormattingToolBarArea, opt::FormattingToolBarAreaDefault),
               area(opt::IconToolBarArea, opt::IconToolBarAreaDefault),
               area(opt::UrlAttachmentsDockWidgetArea, opt::UrlAttachmentsDockWidgetAreaDefault),
               area(opt::RevisionHistoryDockWidgetArea, opt::RevisionHistoryDockWidgetAreaDefault),
               flag(opt::StandardToolBarBreak, opt::StandardToolBarBreakDefault),
               flag(opt::FormattingToolBarBreak, opt::FormattingToolBarBreakDefault),
               flag(opt::IconToolBarBreak, opt::IconToolBarBreakDefault));
}

void DocumentEditorOptionsDialog::reset()
{
    // The factory layout is the layout of a store that holds nothing.
    showValues(opt::StandardToolBarDisplayDefault, opt::FormattingToolBarDisplayDefault, opt::IconToolBarDisplayDefault,
               opt::UrlAttachmentsDockWidgetDisplayDefault, opt::StandardToolBarAreaDefault,
               opt::FormattingToolBarAreaDefault, opt::IconToolBarAreaDefault, opt::UrlAttachmentsDockWidgetAreaDefault,
               opt::RevisionHistoryDockWidgetAreaDefault, opt::StandardToolBarBreakDefault,
               opt::FormattingToolBarBreakDefault, opt::IconToolBarBreakDefault);
}

void DocumentEditorOptionsDialog::showValues(bool standardDisplay, bool formattingDisplay, bool iconDisplay,
                                             bool attachmentsDisplay, int standardArea, int formattingArea,
                                             int iconArea, int attachmentsArea, int revisionArea, bool standardBreak,
                                             bool formattingBreak, bool iconBreak)
{
    m_standardToolBar.display->setChecked(standardDisplay);
    m_formattingToolBar.display->setChecked(formattingDisplay);
    m_iconToolBar.display->setChecked(iconDisplay);
    m_urlAttachmentsDockWidget.display->setChecked(attachmentsDisplay);

    showArea(m_standardToolBar, standardArea);
    showArea(m_formattingToolBar, formattingArea);
    showArea(m_iconToolBar, iconArea);
    showArea(m_urlAttachmentsDockWidget, attachmentsArea);
    showArea(m_revisionHistoryDockWidget, revisionArea);

    m_standardToolBar.lineBreak->setChecked(standardBreak);
    m_formattingToolBar.lineBreak->setChecked(formattingBreak);
    m_iconToolBar.lineBreak->setChecked(iconBreak);
}

void DocumentEditorOptionsDialog::showArea(const AreaGroup &group, int area)
{
    // A value that names no area (0, 16, a combination) shows the group's
    // own default area, which is what the editor falls back to as well.
    switch (area == opt::LeftArea || area == opt::RightArea || area == opt::TopArea || area == opt::BottomArea
                ? area
                : group.fallbackArea) {
    case opt::LeftArea:
        group.left->setChecked(true);
        break;
    case opt::RightArea:
        group.right->setChecked(true);
        break;
    case opt::TopArea:
        group.top->setChecked(true);
        break;
    default:
        group.bottom->setChecked(true);
        break;
    }
}

int DocumentEditorOptionsDialog::checkedArea(const AreaGroup &group)
{
    if (group.left->isChecked())
        return opt::LeftArea;
    if (group.right->isChecked())
        return opt::RightArea;
    if (group.top->isChecked())
        return opt::TopArea;
    if (group.bottom->isChecked())
        return opt::BottomArea;
    return group.fallbackArea;
}

void DocumentEditorOptionsDialog::accepted()
{
    Settings &settings = *SettingsSingleton::instance();
    const auto write = [&settings](const char *key, const QVariant &value) {
        settings.setValue(QLatin1String(key), value);
    };
    // Every key is written, changed or not, so the store always holds a
    // complete layout once the dialog was saved.
    write(opt::StandardToolBarDisplay, m_standardToolBar.display->isChecked());
    write(opt::FormattingToolBarDisplay, m_formattingToolBar.display->isChecked());
    write(opt::IconToolBarDisplay, m_iconToolBar.display->isChecked());
    write(opt::UrlAttachmentsDockWidgetDisplay, m_urlAttachmentsDockWidget.display->isChecked());

    write(opt::StandardToolBarArea, checkedArea(m_standardToolBar));
    write(opt::FormattingToolBarArea, checkedArea(m_formattingToolBar));
    write(opt::IconToolBarArea, checkedArea(m_iconToolBar));
    write(opt::UrlAttachmentsDockWidgetArea, checkedArea(m_urlAttachmentsDockWidget));
    write(opt::RevisionHistoryDockWidgetArea, checkedArea(m_revisionHistoryDockWidget));

    write(opt::StandardToolBarBreak, m_standardToolBar.lineBreak->isChecked());
    write(opt::FormattingToolBarBreak, m_formattingToolBar.lineBreak->isChecked());
    write(opt::IconToolBarBreak, m_iconToolBar.lineBreak->isChecked());

    accept();
}

void DocumentEditorOptionsDialog::rejected()
{
    reject();
}

void DocumentEditorOptionsDialog::clicked(QAbstractButton *button)
{
    if (button && button == m_buttonBox->button(QDialogButtonBox::Reset))
        reset();
}
