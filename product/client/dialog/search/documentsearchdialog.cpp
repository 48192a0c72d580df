#include "documentsearchdialog.h"

#include "document3.pb.h"
#include "linguist.h"
#include "searchresultitem.h"

DocumentSearchDialog::DocumentSearchDialog(QWidget *parent)
    : AbstractSearchDialog<DocumentSearchTableView>(parent)
{
    setResultColumns({tr("DocumentName"), Linguist::tr("CreationDate"), Linguist::tr("ModificationDate")});

    connect(m_resultsTableWidget, &QTableWidget::itemSelectionChanged, this,
            &DocumentSearchDialog::itemSelectionChanged);
    connect(m_dialogButtonBox->button(QDialogButtonBox::Reset), &QPushButton::clicked, this,
            &DocumentSearchDialog::reset);
}

DocumentSearchDialog::~DocumentSearchDialog() = default;

void DocumentSearchDialog::itemSelectionChanged()
{
    AbstractSearchDialog<DocumentSearchTableView>::itemSelectionChanged();
}

void DocumentSearchDialog::reset()
{
    AbstractSearchDialog<DocumentSearchTableView>::reset();
}

QTableWidgetItem *DocumentSearchDialog::setDocumentRow(int row, const qorv::data::Document &document)
{
    QTableWidgetItem *name = search::ResultItem(document.document_name());
    m_resultsTableWidget->setItem(row, 0, name);
    m_resultsTableWidget->setItem(row, 1, search::ResultDateItem(document.document_creation_date()));
    m_resultsTableWidget->setItem(row, 2, search::ResultDateItem(document.document_modification_date()));
    return name;
}

void DocumentSearchDialog::searchFailed()
{
    showSearchFailure(tr("SearchFailed"));
}

const SearchCriteria &DocumentSearchDialog::Criteria()
{
    // Name, content, creation date, modification date.
    static const SearchCriteria criteria({
        {SearchCriteria::Subject::Text, 4, 64},
        {SearchCriteria::Subject::Text, 1, 2000},
        {SearchCriteria::Subject::Date, 6, 0},
        {SearchCriteria::Subject::Date, 6, 0},
    });
    return criteria;
}
