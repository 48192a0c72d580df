<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MessageEditorView</name>
    <message>
        <source>Attach</source>
        <translation>Attach</translation>
    </message>
    <message>
        <source>AttachDocument</source>
        <translation>Document...</translation>
    </message>
    <message>
        <source>VerifyDocumentKeys</source>
        <translation>Verify Document Keys...</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To...</translation>
    </message>
    <message>
        <source>Cc</source>
        <translation>Cc...</translation>
    </message>
    <message>
        <source>Bcc</source>
        <translation>Bcc...</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Subject...</translation>
    </message>
    <message>
        <source>AddDocument</source>
        <translation>Add Document&lt;p&gt;&lt;small&gt;Attach document to message.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>RemoveDocument</source>
        <translation>Remove Document&lt;p&gt;&lt;small&gt;Remove document attachment.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>VerifyDocuments</source>
        <translation>Verify Documents&lt;p&gt;&lt;small&gt;Verify documents have document keys for message recipients.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>AddresseeToolbar</source>
        <translation>Addresse Toolbar</translation>
    </message>
    <message>
        <source>MessageContainsExcessCharacters</source>
        <translation>Message contains excess characters.</translation>
    </message>
    <message>
        <source>EditMessageInputDialog</source>
        <translation>Edit Message Input Dialog</translation>
    </message>
    <message>
        <source>MessageSubject:</source>
        <translation>Message Subject:</translation>
    </message>
    <message>
        <source>DeleteMessageDialogTitle</source>
        <translation>Delete Message</translation>
    </message>
    <message>
        <source>DeleteMessageDialogText</source>
        <translation>Are you sure you want to delete this message?</translation>
    </message>
    <message>
        <source>DoYouWantToSaveChangesYouMadeTo</source>
        <translation>Do you want to save changes you made to</translation>
    </message>
    <message>
        <source>DeleteMessageWarning</source>
        <translation>This message is part of a message chain and cannot be deleted at this time.</translation>
    </message>
    <message>
        <source>CreateDocumentKeysForMessageUsersConfirmationWindowTitle</source>
        <translation>Create Document Keys</translation>
    </message>
    <message>
        <source>CreateDocumentKeysForMessageUsersConfirmation</source>
        <translation>One or more users to whom this message is addressed lack document keys for the attached document specified below.&lt;br&gt;&lt;br&gt;Do you want to create document keys for these users that will allow them to access the following attached document:</translation>
    </message>
    <message>
        <source>AllDocumentKeysVerifiedWindowTitle</source>
        <translation>Verify Document Keys</translation>
    </message>
    <message>
        <source>AllDocumentKeysVerified</source>
        <translation>All document keys have been verified.</translation>
    </message>
</context>
<context>
    <name>MessageReaderView</name>
    <message>
        <source>ExportToTextFile</source>
        <translation>Export to Text File...</translation>
    </message>
    <message>
        <source>ExportToPdfFile</source>
        <translation>Export to PDF File...</translation>
    </message>
    <message>
        <source>AddresseeToolbar</source>
        <translation>Addresse Toolbar</translation>
    </message>
    <message>
        <source>ReplyTo</source>
        <translation>Reply...</translation>
    </message>
    <message>
        <source>ReplyToAll</source>
        <translation>Reply to All...</translation>
    </message>
    <message>
        <source>ForwardTo</source>
        <translation>Forward...</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Subject:</translation>
    </message>
    <message>
        <source>HandleSelectDocumentKeyFailureText</source>
        <translation>Access denied: %1</translation>
    </message>
    <message>
        <source>HandleSelectDocumentKeyFailureInformativeText</source>
        <translation>You do not have a document key for this document ('%1'). In order for you to have access to this document, the owner of '%1' must create a document key for you.</translation>
    </message>
    <message>
        <source>AnswerNotCreated</source>
        <translation>The answer could not be created, so this message stays open. Please try again later.</translation>
    </message>
</context>
</TS>
