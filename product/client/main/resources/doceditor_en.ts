<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AddUrlDialog</name>
    <message>
        <source>Url:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>UrlDescription:</source>
        <translation>URL description:</translation>
    </message>
    <message>
        <source>AddUrlDialogWindowTitle</source>
        <translation>Add URL</translation>
    </message>
</context>
<context>
    <name>UrlDockWidget</name>
    <message>
        <source>EditUrlDescription</source>
        <translation>Edit URL Description</translation>
    </message>
    <message>
        <source>UrlDescription</source>
        <translation>URL Description:</translation>
    </message>
</context>
<context>
    <name>DocumentEditorView</name>
    <message>
        <source>ViewStandardToolBarStatusTip</source>
        <translation>View standard tool bar.</translation>
    </message>
    <message>
        <source>ViewFormattingToolBarStatusTip</source>
        <translation>View formatting tool bar.</translation>
    </message>
    <message>
        <source>ViewIconToolBarStatusTip</source>
        <translation>View icon tool bar.</translation>
    </message>
    <message>
        <source>ViewUrlAttachmentsDockWidgetStatusTip</source>
        <translation>View URL attachments to the document.</translation>
    </message>
    <message>
        <source>ViewRevisionHistoryDockWidgetStatusTip</source>
        <translation>View previous revisions of the document.</translation>
    </message>
    <message>
        <source>RevisionHistory</source>
        <translation>Revision History</translation>
    </message>
    <message>
        <source>UrlAttachments</source>
        <translation>URL Attachments</translation>
    </message>
    <message>
        <source>for</source>
        <translation>for</translation>
    </message>
    <message>
        <source>revised</source>
        <translation>revised</translation>
    </message>
    <message>
        <source>DocumentContainsExcessCharacters</source>
        <translation>The document contains %1 excess characters.&lt;br /&gt;Please delete at least %1 characters.</translation>
    </message>
    <message>
        <source>DoYouWantToSaveChangesYouMadeTo</source>
        <translation>Do you want to save changes you made to</translation>
    </message>
    <message>
        <source>QuestionMark</source>
        <translation>?</translation>
    </message>
    <message>
        <source>ApplyUpdatedOptions?</source>
        <translation>You have successfully updated the options. Do you want to apply the updated options immediately?</translation>
    </message>
    <message>
        <source>DeleteWebpageConfirmationWindowTitle</source>
        <translation>Delete Webpage Confirmation</translation>
    </message>
    <message>
        <source>DeleteWebpageConfirmation</source>
        <translation>Delete webpage (%1)?</translation>
    </message>
    <message>
        <source>DocumentNotSaved</source>
        <translation>The document was not saved. Your changes are kept in the window.</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentWizard</name>
    <message>
        <source>RestoreDocumentWizardTitle</source>
        <translation>Restore Document Wizard</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentIntroductionWizardPage</name>
    <message>
        <source>RestoreDocumentIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>RestoreDocumentIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through restoring a document you have deleted.</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentSelectDocumentWizardPage</name>
    <message>
        <source>RestoreDocumentSelectDocumentWizardPageTitle</source>
        <translation>Restore Document</translation>
    </message>
    <message>
        <source>RestoreDocumentSelectDocumentWizardPageSubTitle</source>
        <translation>Select the document to be restored.</translation>
    </message>
    <message>
        <source>TableWidgetHeader1</source>
        <translation>Document Name</translation>
    </message>
    <message>
        <source>TableWidgetHeader2</source>
        <translation>Date Deleted</translation>
    </message>
    <message>
        <source>OriginalFolder</source>
        <translation>Automatically restore the document in the folder that contained it</translation>
    </message>
    <message>
        <source>SelectedFolder</source>
        <translation>Manually select the folder in which the document is to be restored</translation>
    </message>
    <message>
        <source>SearchGroupBox</source>
        <translation>Document search criteria</translation>
    </message>
    <message>
        <source>SearchGroupLabel</source>
        <translation>Document was deleted between</translation>
    </message>
    <message>
        <source>SearchGroupConjunctionLabel</source>
        <translation>and</translation>
    </message>
    <message>
        <source>DocumentGroupBox</source>
        <translation>Document and revision to restore</translation>
    </message>
    <message>
        <source>DocumentFolderGroupBox</source>
        <translation>Folder to restore the selected document in</translation>
    </message>
    <message>
        <source>RestoreDocumentSelectFolderWizardPageTitle</source>
        <translation>Restore Document</translation>
    </message>
    <message>
        <source>FolderDoesNotExist</source>
        <translation>Folder does not exist.</translation>
    </message>
    <message>
        <source>FolderIsParentOfDocumentWithNameOfDocumentToBeRestored</source>
        <translation>The selected folder already contains a document with the same name as the name of the document to be restored.</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentSelectFolderWizardPage</name>
    <message>
        <source>RestoreDocumentSelectFolderWizardPageTitle</source>
        <translation>Restore Document</translation>
    </message>
    <message>
        <source>RestoreDocumentSelectFolderWizardPageSubTitle</source>
        <translation>Select the folder that will contain the restored document.</translation>
    </message>
    <message>
        <source>FolderIsParentOfDocumentWithNameOfDocumentToBeRestored</source>
        <translation>The selected folder already contains a document with the same name as the name of the document to be restored.</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentConfirmationWizardPage</name>
    <message>
        <source>RestoreDocumentConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>RestoreDocumentConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>ConfirmationText</source>
        <translation>Click Finish to restore &apos;%1&apos; (revision %2) in the &apos;%3&apos; folder.</translation>
    </message>
</context>
</TS>
