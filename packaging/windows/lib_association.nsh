; Opening .lib files with Clarion Quillon 32: an optional part of the setup program, chosen on
; the components page or, in a silent install, with /ASSOCIATE. The program joins the "Open
; with" list of .lib files; it becomes the default only where .lib files have no program yet,
; so that another program's default is never taken over.

!include "FileFunc.nsh"

!define QUILLON_PROGID "Quillon.ClarionLib"

!macro QuillonAssociateLib
  WriteRegStr SHCTX "Software\Classes\${QUILLON_PROGID}" "" "Clarion LIB file"
  WriteRegStr SHCTX "Software\Classes\${QUILLON_PROGID}\DefaultIcon" "" "$INSTDIR\quillon32.exe,0"
  WriteRegStr SHCTX "Software\Classes\${QUILLON_PROGID}\shell\open" "" "Open with Clarion Quillon 32"
  WriteRegStr SHCTX "Software\Classes\${QUILLON_PROGID}\shell\open\command" "" '"$INSTDIR\quillon32.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\.lib\OpenWithProgids" "${QUILLON_PROGID}" ""
  WriteRegStr SHCTX "Software\Classes\Applications\quillon32.exe" "FriendlyAppName" "Clarion Quillon 32"
  WriteRegStr SHCTX "Software\Classes\Applications\quillon32.exe\SupportedTypes" ".lib" ""
  WriteRegStr SHCTX "Software\Classes\Applications\quillon32.exe\shell\open\command" "" '"$INSTDIR\quillon32.exe" "%1"'
  ReadRegStr $0 HKCR ".lib" ""
  StrCmp $0 "" 0 +2
    WriteRegStr SHCTX "Software\Classes\.lib" "" "${QUILLON_PROGID}"
  ; SHCNE_ASSOCCHANGED: Explorer reads the file types again.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

!macro QuillonRemoveLibAssociation
  ReadRegStr $0 SHCTX "Software\Classes\.lib" ""
  StrCmp $0 "${QUILLON_PROGID}" 0 +2
    DeleteRegValue SHCTX "Software\Classes\.lib" ""
  DeleteRegValue SHCTX "Software\Classes\.lib\OpenWithProgids" "${QUILLON_PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.lib\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.lib"
  DeleteRegKey SHCTX "Software\Classes\${QUILLON_PROGID}"
  DeleteRegKey SHCTX "Software\Classes\Applications\quillon32.exe"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section /o "Open .lib files with Clarion Quillon 32" SecLibAssociation
  !insertmacro QuillonAssociateLib
SectionEnd

Section "-Open .lib files when asked on the command line"
  SectionGetFlags ${SecLibAssociation} $1
  IntOp $1 $1 & ${SF_SELECTED}
  StrCmp $1 ${SF_SELECTED} done
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ASSOCIATE" $R1
  IfErrors done
    !insertmacro QuillonAssociateLib
  done:
SectionEnd
