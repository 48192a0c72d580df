<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AbstractConsoleView</name>
    <message>
        <source>LogOn</source>
        <translation>Log on...</translation>
    </message>
    <message>
        <source>LogOnStatusTip</source>
        <translation>Log on to access your account.</translation>
    </message>
    <message>
        <source>LogOnToolTip</source>
        <translation>Log On&lt;p&gt;&lt;small&gt;Log on to access your account.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LogOff</source>
        <translation>Log off...</translation>
    </message>
    <message>
        <source>LogOffStatusTip</source>
        <translation>Log off to end your session.</translation>
    </message>
    <message>
        <source>LogOffToolTip</source>
        <translation>Log Off&lt;p&gt;&lt;small&gt;Log off to end your session.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>NetworkSettings</source>
        <translation>Network settings...</translation>
    </message>
    <message>
        <source>NetworkSettingsStatusTip</source>
        <translation>Configure your network settings.</translation>
    </message>
    <message>
        <source>NetworkSettingsToolTip</source>
        <translation>Network Settings&lt;p&gt;&lt;small&gt;Configure your network settings.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewLog</source>
        <translation>View Log</translation>
    </message>
    <message>
        <source>ViewLogStatusTip</source>
        <translation>View the event log.</translation>
    </message>
    <message>
        <source>ViewLogToolTip</source>
        <translation>View Log&lt;p&gt;&lt;small&gt;View the event log.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Log on to access your account.</translation>
    </message>
    <message>
        <source>AuthenticateUser</source>
        <translation>Authenticate User</translation>
    </message>
    <message>
        <source>AuthenticateUserNoEr</source>
        <translation>You have been successfully authenticated.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceNoReplyEr</source>
        <translation>No reply was received from the server; please verify the following:&lt;ul&gt;&lt;li&gt;Your computer has network and Internet access&lt;/li&gt;&lt;li&gt;Your computer has the correct date and time settings&lt;/li&gt;&lt;li&gt;The correct Server Name is displayed in Network Settings&lt;/li&gt;&lt;li&gt;The correct Server Port number is displayed in Network Settings&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabaseConnectionEr</source>
        <translation>Authenticate user database connection error.</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabaseExecuteStatementEr</source>
        <translation>Cannot execute a database statement; please contact your Quillane Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabaseInvalidArgumentEr</source>
        <translation>Authenticate user database invalid argument error.</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabaseNullPointerEr</source>
        <translation>Authenticate user database null pointer error.</translation>
    </message>
    <message>
        <source>AuthenticateUserDatabasePrepareStatementEr</source>
        <translation>Cannot prepare a database statement; please contact your Quillane Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceBadPasswordEr</source>
        <translation>Incorrect password; please try again.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceBadSequenceValueEr</source>
        <translation>Bad sequence value: please contact your Quillane Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceDecryptionAuthenticationEr</source>
        <translation>Decryption error: please contact your Quillane Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceEncryptionAuthenticationEr</source>
        <translation>Encryption error: please contact your Quillane Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceInsertSessionRecordEr</source>
        <translation>Cannot create a session; please contact your Quillane Administrator.</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceInvalidMajorProtocolEr</source>
        <translation>Please uninstall this version of the program and install the latest version (the latest version can always be downloaded from &lt;a href=&quot;https://www.halvemoor.com/download&quot;&gt;https://www.halvemoor.com/download&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceInvalidMinorProtocolEr</source>
        <translation>Please uninstall this version of the program and install the latest version (the latest version can always be downloaded from &lt;a href=&quot;https://www.halvemoor.com/download&quot;&gt;https://www.halvemoor.com/download&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>AuthenticateUserServiceNoUserFoundEr</source>
        <translation>Incorrect user name; please try again.</translation>
    </message>
    <message>
        <source>AuthenticateUserDefaultEr</source>
        <translation>Authentication failed (with major error code %1 and minor error code %2); please contact your Quillane Administrator.</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>ConsoleViewWindowTitle</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>UserGroupBrowser</source>
        <translation>My User Groups...</translation>
    </message>
    <message>
        <source>NewUserGroupBrowserStatusTip</source>
        <translation>Create a window to view and edit your user groups.</translation>
    </message>
    <message>
        <source>NewUserGroupBrowserToolTip</source>
        <translation>User Groups&lt;p&gt;&lt;small&gt;Create a window to view and edit your user groups.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>MessageBrowser</source>
        <translation>Message Browser...</translation>
    </message>
    <message>
        <source>NewMessageBrowserStatusTip</source>
        <translation>Create a Message Browser to view and edit your messages.</translation>
    </message>
    <message>
        <source>NewMessageBrowserToolTip</source>
        <translation>Message Browser&lt;p&gt;&lt;small&gt;Create a Message Browser to view and edit your messages.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DocumentBrowser</source>
        <translation>Document Browser...</translation>
    </message>
    <message>
        <source>NewDocumentBrowserStatusTip</source>
        <translation>Create a Document Browser to view and edit your folders and documents.</translation>
    </message>
    <message>
        <source>NewDocumentBrowserToolTip</source>
        <translation>Document Browser&lt;p&gt;&lt;small&gt;Create a Document Browser to view and edit your folders and documents.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DocumentKeys</source>
        <translation>My Document Keyring...</translation>
    </message>
    <message>
        <source>NewDocumentKeysStatusTip</source>
        <translation>Create a window to view document keys created for you by other users.</translation>
    </message>
    <message>
        <source>NewDocumentKeysToolTip</source>
        <translation>My Document Keyring&lt;p&gt;&lt;small&gt;Create a window to view document keys created for you by others.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FolderKeys</source>
        <translation>My Folder Keyring...</translation>
    </message>
    <message>
        <source>NewFolderKeysStatusTip</source>
        <translation>Create a window to view folder keys created for you by other users.</translation>
    </message>
    <message>
        <source>NewFolderKeysToolTip</source>
        <translation>My Folder Keyring&lt;p&gt;&lt;small&gt;Create a window to view folder keys created for you by others.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>PictureDirectories</source>
        <translation>Picture Directories...</translation>
    </message>
    <message>
        <source>PictureDirectoriesStatusTip</source>
        <translation>Edit the directories that are searched for pictures when displaying content.</translation>
    </message>
    <message>
        <source>RestoreDocument</source>
        <translation>Restore Document...</translation>
    </message>
    <message>
        <source>RestoreDocumentStatusTip</source>
        <translation>Restore a document you have deleted.</translation>
    </message>
    <message>
        <source>RestoreDocumentToolTip</source>
        <translation>Restore Document&lt;p&gt;&lt;small&gt;Restore a document you have deleted.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ResetPassword</source>
        <translation>Reset Password...</translation>
    </message>
    <message>
        <source>ResetPasswordStatusTip</source>
        <translation>Reset your password.</translation>
    </message>
    <message>
        <source>ResetPasswordToolTip</source>
        <translation>Reset Password&lt;p&gt;&lt;small&gt;Reset your password.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>UserNameNotFound</source>
        <translation>User name not found.</translation>
    </message>
    <message>
        <source>UserPasswordNotDecoded</source>
        <translation>User password incorrect.</translation>
    </message>
    <message>
        <source>UserSessionNotInserted</source>
        <translation>User session not created.</translation>
    </message>
    <message>
        <source>LogOnRequestNotPrepared</source>
        <translation>Your log-on could not be prepared, so nothing was sent to the server; please try again.</translation>
    </message>
    <message>
        <source>MultiFactorAuthenticationAuthorizationCodeDialogTitle</source>
        <translation>Multi-Factor Authentication Code</translation>
    </message>
    <message>
        <source>MultiFactorAuthenticationAuthorizationCodeDialogLabel</source>
        <translation>Please enter the Multi-Factor Authentication Code that was emailed to you:</translation>
    </message>
    <message>
        <source>LogOffConfirmation</source>
        <translation>Do you want to log off and exit the application?</translation>
    </message>
</context>
<context>
    <name>LogonDialog</name>
    <message>
        <source>LogonDialogWindowTitle</source>
        <translation>Log On</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>UserPassword</source>
        <translation>User password:</translation>
    </message>
    <message>
        <source>ForgotUserName</source>
        <translation>Forgot user name?</translation>
    </message>
    <message>
        <source>ForgotPassword</source>
        <translation>Forgot user password?</translation>
    </message>
</context>
<context>
    <name>NetworkDialog</name>
    <message>
        <source>ServerName</source>
        <translation>Server name:</translation>
    </message>
    <message>
        <source>ServerPort</source>
        <translation>Server port:</translation>
    </message>
    <message>
        <source>DefaultTimeZone</source>
        <translation>Default time zone:</translation>
    </message>
</context>
<context>
    <name>NetworkSettingsDialog</name>
    <message>
        <source>NetworkSettingsDialogWindowTitle</source>
        <translation>Network Settings</translation>
    </message>
</context>
<context>
    <name>UserOptionsDialog</name>
    <message>
        <source>UserOptionsHaveBeenSet</source>
        <translation>Your user options have been set.</translation>
    </message>
    <message>
        <source>UserOptionsHaveNotBeenSet</source>
        <translation>Your user options cannot be set at this time.</translation>
    </message>
</context>
</TS>
