'*** Start Vellumet Code ***
	Dim QandA As Long
	QandA = MsgBox("Delete the file?", vbOKCancel + vbDefaultButton2 + vbExclamation)
	Select Case QandA
		Case 1  'User has clicked OK
			'*** Your Code Here ***
		Case 2  'User has clicked Cancel
			'*** Your Code Here ***
	End Select
'*** End Vellumet Code ***