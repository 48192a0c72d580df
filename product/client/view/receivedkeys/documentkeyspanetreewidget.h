#ifndef DOCUMENTKEYSPANETREEWIDGET_H
#define DOCUMENTKEYSPANETREEWIDGET_H

#include "abstractkeypanetreewidget.h"

#include "documentkey3.pb.h"

// The document keys that other users gave to the logged-on user, for looking
// only: one top-level row per key, naming who gave it and for which document,
// with its rules and its permission, day and month leaves. The window fills
// it, clears it before a refresh and decides which rows may be selected or
// ticked; the pane only builds rows and opens and closes their subtrees.
class DocumentKeysPaneTreeWidget : public AbstractKeyPaneTreeWidget
{
    Q_OBJECT

public:
    // Column 0 of a key row holds the key under KeyRole; every row holds its
    // kind under KindRole in the column of its label.
    static constexpr int KeyRole = 256;
    static constexpr int KindRole = 257;

    explicit DocumentKeysPaneTreeWidget(QWidget *parent);
    ~DocumentKeysPaneTreeWidget() override;

public slots:
    void addDocumentKey(const qorv::data::DocumentKey &documentKey);
};

#endif // DOCUMENTKEYSPANETREEWIDGET_H
