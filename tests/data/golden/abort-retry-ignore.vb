'*** Start Vellumet Code ***
	Dim Response As Long
	Response = MsgBox ("Disk" & vbTab & "full", 4610)
	Select Case Response
		Case 3  'User has clicked Abort
			'*** Your Code Here ***
		Case 4  'User has clicked Retry
			'*** Your Code Here ***
		Case 5  'User has clicked Ignore
			'*** Your Code Here ***
	End Select
'*** End Vellumet Code ***