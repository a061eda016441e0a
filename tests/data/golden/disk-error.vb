'*** Start Vellumet Code ***
	Dim Answer As Long
	Answer = MsgBox ("The disk is not ready." & vbCrLf & "Insert the disk and retry.", 21013, "Disk error", "C:\Help\Orders.chm", 7)
	Select Case Answer
		Case 4  'User has clicked Retry
			'*** Your Code Here ***
		Case 2  'User has clicked Cancel
			'*** Your Code Here ***
	End Select
'*** End Vellumet Code ***