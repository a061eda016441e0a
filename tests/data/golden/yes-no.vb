'*** Start Vellumet Code ***
	Dim Response As Long
	Response = MsgBox("Quit?", vbYesNo + vbDefaultButton3 + vbMsgBoxHelpButton, "Quit", "My Help.chm", -1)
	Select Case Response
		Case 6  'User has clicked Yes
			'*** Your Code Here ***
		Case 7  'User has clicked No
			'*** Your Code Here ***
	End Select
'*** End Vellumet Code ***