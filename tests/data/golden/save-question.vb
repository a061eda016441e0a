'*** Start Vellumet Code ***
	Dim Response As Long
	Response = MsgBox("Save changes?", vbYesNoCancel + vbDefaultButton2 + vbQuestion, "Save")
	Select Case Response
		Case 6  'User has clicked Yes
			'*** Your Code Here ***
		Case 7  'User has clicked No
			'*** Your Code Here ***
		Case 2  'User has clicked Cancel
			'*** Your Code Here ***
	End Select
'*** End Vellumet Code ***