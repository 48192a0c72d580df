<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DocumentEditorOptionsDialog</name>
    <message>
        <source>DocumentEditorOptionsDialogWindowTitle</source>
        <translation>Document Editor Options</translation>
    </message>
    <message>
        <source>StandardToolBarGroupBoxTitle</source>
        <translation>Standard Tool Bar Options</translation>
    </message>
    <message>
        <source>FormattingToolBarGroupBoxTitle</source>
        <translation>Formatting Tool Bar Options</translation>
    </message>
    <message>
        <source>IconToolBarGroupBoxTitle</source>
        <translation>Icon Tool Bar Options</translation>
    </message>
    <message>
        <source>UrlAttachmentsDockWidgetGroupBoxTitle</source>
        <translation>URL Attachments Dock Widget Options</translation>
    </message>
    <message>
        <source>RevisionHistoryDockWidgetGroupBoxTitle</source>
        <translation>Revision History Dock Widget Options</translation>
    </message>
    <message>
        <source>DisplayCheckBox</source>
        <translation>Display by Default</translation>
    </message>
    <message>
        <source>LeftAreaRadioButton</source>
        <translation>Display in Left Area by Default</translation>
    </message>
    <message>
        <source>RightAreaRadioButton</source>
        <translation>Display in Right Area by Default</translation>
    </message>
    <message>
        <source>TopAreaRadioButton</source>
        <translation>Display in Top Area by Default</translation>
    </message>
    <message>
        <source>BottomAreaRadioButton</source>
        <translation>Display in Bottom Area by Default</translation>
    </message>
    <message>
        <source>BreakCheckBox</source>
        <translation>Add Tool Bar break</translation>
    </message>
</context>
<context>
    <name>MessageBrowserOptionsDialog</name>
    <message>
        <source>MessageBrowserOptionsDialogWindowTitle</source>
        <translation>Message Browser Options</translation>
    </message>
</context>
<context>
    <name>MessageBrowserOptionsDialogGeneralTab</name>
    <message>
        <source>MessagesActivationMode</source>
        <translation>Messages selection mode</translation>
    </message>
    <message>
        <source>ActivationModeLabel</source>
        <translation>When Messages are selected in the side pane, do the following:</translation>
    </message>
    <message>
        <source>MessagesActivationModeShowAllMessages</source>
        <translation>Display all messages</translation>
    </message>
    <message>
        <source>MessagesActivationModeShowMessagesNotAssignedToFolders</source>
        <translation>Display all messages that have not been assigned to a folder</translation>
    </message>
</context>
<context>
    <name>UserOptionsDialog</name>
    <message>
        <source>UserOptions</source>
        <translation>User Options</translation>
    </message>
    <message>
        <source>DocumentSharedNotifications</source>
        <translation>Notify me when a user shares a document with me</translation>
    </message>
    <message>
        <source>MessageReceivedNotifications</source>
        <translation>Notify me when a user shares a message with me</translation>
    </message>
    <message>
        <source>SetUserEmailAddress</source>
        <translation>Set...</translation>
    </message>
    <message>
        <source>NotificationsGroupBoxTitle</source>
        <translation>Email notifications</translation>
    </message>
    <message>
        <source>UserEmailAddressGroupBoxTitle</source>
        <translation>Email address for notifications and multi-factor authentication</translation>
    </message>
    <message>
        <source>MultiFactorAuthenticationGroupBoxTitle</source>
        <translation>Multi-factor authentication status and settings for your account</translation>
    </message>
    <message>
        <source>MultiFactorAuthenticationIsEnabledForYourAccount</source>
        <translation>Multi-factor authentication is enabled for your account</translation>
    </message>
    <message>
        <source>MultiFactorAuthenticationIsDisabledForYourAccount</source>
        <translation>Multi-factor authentication is disabled for your account</translation>
    </message>
    <message>
        <source>DisableMultiFactorAuthenticationForYourAccount</source>
        <translation>Disable multi-factor authentication for your account...</translation>
    </message>
    <message>
        <source>EnableMultiFactorAuthenticationForYourAccount</source>
        <translation>Enable multi-factor authentication for your account...</translation>
    </message>
    <message>
        <source>NewUserEmailAddressDialogWindowTitle</source>
        <translation>New Email Address</translation>
    </message>
    <message>
        <source>EnterNewUserEmailAddress</source>
        <translation>Please enter the new email address:</translation>
    </message>
    <message>
        <source>ConfirmNewUserEmailAddress</source>
        <translation>Please confirm the new email address:</translation>
    </message>
    <message>
        <source>UserEmailAddressResetAuthorizationCodeDialogTitle</source>
        <translation>Email Address Reset Authorizaton Code</translation>
    </message>
    <message>
        <source>UserEmailAddressResetAuthorizationCodeDialogLabel</source>
        <translation>Please enter the code you received on your &lt;em&gt; new &lt;/em&gt; email address:</translation>
    </message>
    <message>
        <source>InvalidUserEmailAddressResetAuthorizationCode</source>
        <translation>An invalid Email Address Reset Authorization Code has been entered.</translation>
    </message>
    <message>
        <source>SetUserEmailAddressErrUniqueViolation</source>
        <translation>The email address you entered is associated with another user.</translation>
    </message>
    <message>
        <source>SetUserEmailAddressFailed</source>
        <translation>Your email address cannot be set at this time.</translation>
    </message>
    <message>
        <source>EnableMultiFactorAuthenticationTitle</source>
        <translation>Enable Multi-Factor Authentication</translation>
    </message>
    <message>
        <source>ConfirmEnableMultiFactorAuthenticationText</source>
        <translation>&lt;p&gt;&lt;b&gt;Enabling Multi-Factor Authentication&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;When you enable multi-factor authentication, please be aware of the following:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;You will need an authorization code every time you sign in to your account.&lt;/i&gt;
&lt;li&gt;Authorization codes will be sent to the email address associated with your account.&lt;/i&gt;
&lt;li&gt;If you lose access to your email address, you will not be able to access your account.&lt;/i&gt;
&lt;li&gt;If you &lt;i&gt;do&lt;/i&gt; lose access to your email address, contact the Quillane System Administrator.&lt;/i&gt;
&lt;/ul&gt;
&lt;p&gt;Click &lt;b&gt;Proceed&lt;/b&gt; to continue or &lt;b&gt;Cancel&lt;/b&gt; to quit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>EnableMultiFactorAuthenticationAuthorizationCodeDialogTitle</source>
        <translation>Enable Multi-Factor Authentication Authorization Code</translation>
    </message>
    <message>
        <source>EnableMultiFactorAuthenticationAuthorizationCodeDialogLabel</source>
        <translation>Please enter the Enable Multi-Factor Authentication Authorization Code that was sent to your email address:</translation>
    </message>
    <message>
        <source>InvalidEnableMultiFactorAuthenticationAuthorizationCode</source>
        <translation>An invalid Enable Multi-Factor Authentication Authorization Code has been entered.</translation>
    </message>
    <message>
        <source>DisableMultiFactorAuthenticationTitle</source>
        <translation>Disable Multi-Factor Authentication Authorization Code</translation>
    </message>
    <message>
        <source>ConfirmDisableMultiFactorAuthenticationText</source>
        <translation>&lt;p&gt;&lt;b&gt;Disabling Multi-Factor Authentication&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;When you disable multi-factor authentication, please be aware of the following:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;An authorization code will not be required when you sign in to your account.&lt;/i&gt;
&lt;li&gt;Your account will no longer be protected by multi-factor authentication.&lt;/i&gt;
&lt;/ul&gt;
&lt;p&gt;Click &lt;b&gt;Proceed&lt;/b&gt; to continue or &lt;b&gt;Cancel&lt;/b&gt; to quit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DisableMultiFactorAuthenticationAuthorizationCodeDialogTitle</source>
        <translation>Disable Multi-Factor Authentication Authorization Code</translation>
    </message>
    <message>
        <source>DisableMultiFactorAuthenticationAuthorizationCodeDialogLabel</source>
        <translation>Please enter the Disable Multi-Factor Authentication Authorization Code that was sent to your email address:</translation>
    </message>
    <message>
        <source>InvalidDisableMultiFactorAuthenticationAuthorizationCode</source>
        <translation>An invalid Disable Multi-Factor Authentication Authorization Code has been entered.</translation>
    </message>
</context>
<context>
    <name>LogonDialog</name>
    <message>
        <source>UserEmailAddressInputDialogTitle</source>
        <translation>Email Address Input</translation>
    </message>
    <message>
        <source>UserEmailAddressInputDialogLabel</source>
        <translation>Please enter the email address associated with your Quillane account:</translation>
    </message>
    <message>
        <source>ResetUserNameQuestionTitle</source>
        <translation>Reset User Name Confirmation</translation>
    </message>
    <message>
        <source>ResetUserNameQuestionText</source>
        <translation>Are you sure you want to reset your user name?</translation>
    </message>
    <message>
        <source>ResetPasswordQuestionTitle</source>
        <translation>Reset Password Confirmation</translation>
    </message>
    <message>
        <source>ResetPasswordQuestionText</source>
        <translation>Are you sure you want to reset your password?</translation>
    </message>
    <message>
        <source>UserNameResetAuthorizationCodeDialogTitle</source>
        <translation>User Name Reset Authorization Code</translation>
    </message>
    <message>
        <source>UserNameResetAuthorizationCodeDialogLabel</source>
        <translation>Please enter the User Name Reset Authorization Code you received:</translation>
    </message>
    <message>
        <source>PasswordResetAuthorizationCodeDialogTitle</source>
        <translation>Password Reset Authorization Code</translation>
    </message>
    <message>
        <source>PasswordResetAuthorizationCodeDialogLabel</source>
        <translation>Please enter the Password Reset Authorization Code you received:</translation>
    </message>
    <message>
        <source>InvalidUserNameResetAuthorizationCode</source>
        <translation>Invalid User Name Reset Authorization Code</translation>
    </message>
    <message>
        <source>InvalidPasswordResetAuthorizationCode</source>
        <translation>Invalid Password Reset Authorization Code</translation>
    </message>
    <message>
        <source>SetUserNameErrUniqueViolation</source>
        <translation>The user name you entered is not unique; please specify a unique user name.</translation>
    </message>
    <message>
        <source>ResetUserNameFailed</source>
        <translation>Your user name cannot be reset at this time.</translation>
    </message>
    <message>
        <source>ResetPasswordFailed</source>
        <translation>Your password cannot be reset at this time.</translation>
    </message>
</context>
<context>
    <name>ResetPasswordWizard</name>
    <message>
        <source>ResetPasswordWizardTitle</source>
        <translation>Reset Password Wizard</translation>
    </message>
</context>
<context>
    <name>ResetPasswordIntroductionWizardPage</name>
    <message>
        <source>ResetPasswordIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>ResetPasswordIntroductionWizardPageSubTitle</source>
        <translation>This wizard will allow you to reset your password.</translation>
    </message>
</context>
<context>
    <name>ResetPasswordAuthenticateWizardPage</name>
    <message>
        <source>ResetPasswordAuthenticateWizardPageTitle</source>
        <translation>Reset Password Authentication</translation>
    </message>
    <message>
        <source>ResetPasswordAuthenticateWizardPageSubTitle</source>
        <translation>Please enter your user name and current password in order to be authenticated.</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>CurrentPassword</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>UserNameEmptyWarning</source>
        <translation>Your user name must be entered.</translation>
    </message>
    <message>
        <source>CurrentPasswordEmptyWarning</source>
        <translation>Your current password must be entered.</translation>
    </message>
    <message>
        <source>InvalidUserNameWarning</source>
        <translation>An invalid user name has been entered.</translation>
    </message>
    <message>
        <source>InvalidPasswordWarning</source>
        <translation>An invalid password has been entered.</translation>
    </message>
    <message>
        <source>CredentialsCannotBeCheckedWarning</source>
        <translation>Your user name and password cannot be checked at this time; please try again.</translation>
    </message>
</context>
<context>
    <name>ResetPasswordReinitializeWizardPage</name>
    <message>
        <source>ResetPasswordReinitializeWizardPageTitle</source>
        <translation>Reset Password Settings</translation>
    </message>
    <message>
        <source>ResetPasswordReinitializeWizardPageSubTitle</source>
        <translation>Please enter and confirm your new password.</translation>
    </message>
    <message>
        <source>PasswordRequirements</source>
        <translation>Password requirements</translation>
    </message>
    <message>
        <source>PasswordLengthRequirement</source>
        <translation>The new password must have a length of at least 6 characters</translation>
    </message>
    <message>
        <source>PasswordLowercaseRequirement</source>
        <translation>The new password must contain at least 1 lowercase character</translation>
    </message>
    <message>
        <source>PasswordLowercaseRequirementOptional</source>
        <translation>Password must contain at least 1 lowercase character (optional)</translation>
    </message>
    <message>
        <source>PasswordUppercaseRequirement</source>
        <translation>The new password must contain at least 1 uppercase character</translation>
    </message>
    <message>
        <source>PasswordUppercaseRequirementOptional</source>
        <translation>Password must contain at least 1 uppercase character (optional)</translation>
    </message>
    <message>
        <source>PasswordNumberRequirement</source>
        <translation>The new password must contain at least 1 digit</translation>
    </message>
    <message>
        <source>PasswordNumberRequirementOptional</source>
        <translation>Password must contain at least 1 digit (optional)</translation>
    </message>
    <message>
        <source>PasswordSymbolRequirement</source>
        <translation>!  #  $  %  &amp;  (  )  *  +  ,  -  .  /  :  ;  &lt;  =  &gt;  ?  @  [  \  ]  ^  _  `  {  |  }  ~</translation>
    </message>
    <message>
        <source>PasswordSymbolRequirementOptional</source>
        <translation>Password must contain at least 1 symbol (optional)</translation>
    </message>
    <message>
        <source>EnterNewPassword</source>
        <translation>Enter the new password:</translation>
    </message>
    <message>
        <source>ConfirmNewPassword</source>
        <translation>Confirm the new password:</translation>
    </message>
    <message>
        <source>EnterNewPasswordEmptyWarning</source>
        <translation>A new password has not been specified.</translation>
    </message>
    <message>
        <source>NewPasswordHasSurroundingWhiteSpaceWarning</source>
        <translation>A new password must not begin or end with white space.</translation>
    </message>
    <message>
        <source>NewPasswordFailsLengthRequirementWarning</source>
        <translation>A new password must have a length of at least 6 characters.</translation>
    </message>
    <message>
        <source>NewPasswordFailsOptionalRequirementsWarning</source>
        <translation>A new password must satisfy at least 3 of the optional requirements.</translation>
    </message>
    <message>
        <source>NewPasswordCannotEqualCurrentPasswordWarning</source>
        <translation>Your new password must be different from your current password.</translation>
    </message>
    <message>
        <source>InvalidPasswordWarning</source>
        <translation>An invalid password has been entered.</translation>
    </message>
    <message>
        <source>NewPasswordCannotBeSetWarning</source>
        <translation>Your new password cannot be set at this time; please try again.</translation>
    </message>
    <message>
        <source>ConfirmNewPasswordEmptyWarning</source>
        <translation>You must confirm your new password.</translation>
    </message>
    <message>
        <source>NewPasswordNotConfirmedWarning</source>
        <translation>The text entered in the confirmation field is not equal to the new password.</translation>
    </message>
</context>
<context>
    <name>ResetPasswordConfirmationWizardPage</name>
    <message>
        <source>ResetPasswordConfirmationWizardPageTitle</source>
        <translation>Reset Password Confirmation</translation>
    </message>
    <message>
        <source>ResetPasswordConfirmationWizardPageSubTitle</source>
        <translation>You have successfully reset your password.</translation>
    </message>
    <message>
        <source>PasswordHasThisLength</source>
        <translation>The length of your new password is %1 characters.</translation>
    </message>
    <message>
        <source>PasswordSatisfiesTheseRequirements</source>
        <translation>In addition, your new password satisfies these requirements:</translation>
    </message>
    <message>
        <source>PasswordLowercaseRequirement</source>
        <translation>Password must contain at least 1 lowercase character</translation>
    </message>
    <message>
        <source>PasswordUppercaseRequirement</source>
        <translation>Password must contain at least 1 uppercase character</translation>
    </message>
    <message>
        <source>PasswordNumberRequirement</source>
        <translation>Password must contain at least 1 digit</translation>
    </message>
    <message>
        <source>PasswordSymbolRequirement</source>
        <translation>Password must contain at least 1 symbol</translation>
    </message>
</context>
</TS>
