#ifndef DOCUMENTSEARCHDIALOG_H
#define DOCUMENTSEARCHDIALOG_H

#include "abstractsearchdialog.h"
#include "documentsearchtableview.h"
#include "searchcriteria.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qorv::data
{
class Document;
}

// The document searches' part of the search dialog: the result columns (name,
// creation date, modification date) and the document criteria, which both
// the folder and the folder-key search send in fields of the same names.
class DocumentSearchDialog : public AbstractSearchDialog<DocumentSearchTableView>
{
    Q_OBJECT

public:
    explicit DocumentSearchDialog(QWidget *parent);
    ~DocumentSearchDialog() override;

public slots:
    void itemSelectionChanged() override;
    void reset() override;

protected:
    // Sets how the criteria combine ("All" or "Any") and appends each usable
    // criterion to its repeated field of the request: the name (at most 64
    // bytes), the content (at most 2,000 bytes) or a date comparison (the UTC
    // start of the local day).
    template <class Request>
    void addCriteria(Request &request) const;

    // Fills one result row with a document's three cells and returns the name
    // cell, which keeps the row's record.
    QTableWidgetItem *setDocumentRow(int row, const qorv::data::Document &document);
    // Tells the user that the search failed; the earlier results stay.
    void searchFailed();

private:
    static const SearchCriteria &Criteria();
};

template <class Request>
void DocumentSearchDialog::addCriteria(Request &request) const
{
    request.set_logical_operator(allCriteriaMustHold() ? Request::LOGICAL_AND : Request::LOGICAL_OR);
    using Field = decltype(request.mutable_document_name_equal());
    // Indexed by subject, then by predicate, as the criteria editor counts them.
    const std::vector<std::vector<Field>> fields = {
        {request.mutable_document_name_equal(), request.mutable_document_name_not_equal(),
         request.mutable_document_name_like(), request.mutable_document_name_not_like()},
        {request.mutable_document_body_contains()},
        {request.mutable_document_creation_date_equal(), request.mutable_document_creation_date_not_equal(),
         request.mutable_document_creation_date_less_than(), request.mutable_document_creation_date_greater_than(),
         request.mutable_document_creation_date_less_than_or_equal(),
         request.mutable_document_creation_date_greater_than_or_equal()},
        {request.mutable_document_modification_date_equal(), request.mutable_document_modification_date_not_equal(),
         request.mutable_document_modification_date_less_than(),
         request.mutable_document_modification_date_greater_than(),
         request.mutable_document_modification_date_less_than_or_equal(),
         request.mutable_document_modification_date_greater_than_or_equal()},
    };
    for (const SearchCriteria::Entry &entry : Criteria().entries(*m_searchTableView->getStandardItemModel()))
        *fields[std::size_t(entry.subject)][std::size_t(entry.predicate)]->Add() = entry.value;
}

#endif // DOCUMENTSEARCHDIALOG_H
