#include "messagereadermixin.h"

#include "linguist.h"
#include "textdocument.h"

MessageReaderMixin::MessageReaderMixin()
    : m_filterLabel(new QLabel(Linguist::tr("FilterContentsLabel")))
    , m_filterEditCopyCheckBox(new QCheckBox(Linguist::tr("FilterContentsCopiedToClipboard")))
    , m_filterExportToTextFileCheckBox(new QCheckBox(Linguist::tr("FilterContentsExportedToTextFile")))
    , m_filterExportToPdfFileCheckBox(new QCheckBox(Linguist::tr("FilterContentsExportedToPdfFile")))
    , m_filterPrintCheckBox(new QCheckBox(Linguist::tr("FilterContentsPrinted")))
{
    m_textReader->setDocument(new TextDocument(m_textReader));
    m_textReader->setReadOnly(true);
    m_textReader->setTextInteractionFlags(Qt::NoTextInteraction);
}

MessageReaderMixin::~MessageReaderMixin()
{
    deleteUnadopted(m_filterLabel);
    deleteUnadopted(m_filterEditCopyCheckBox);
    deleteUnadopted(m_filterExportToTextFileCheckBox);
    deleteUnadopted(m_filterExportToPdfFileCheckBox);
    deleteUnadopted(m_filterPrintCheckBox);
}
