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
</TS>
