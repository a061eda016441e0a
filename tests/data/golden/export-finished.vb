'*** Start Vellumet Code ***
	MsgBox "Export finished. See ""Report"" for details.", vbOKOnly + vbMsgBoxHelpButton + vbInformation, , App.Path & "\Orders.chm", 25
'*** End Vellumet Code ***