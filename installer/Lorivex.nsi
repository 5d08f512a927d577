; The Windows installer of the Word add-in, made on Linux with makensis:
;
;   makensis -DBIN_DIR=<build-win>/bin -DHELP_FILE=<build>/bin/Lorivex2008.chm \
;            -DVERSION=1.0.0.1 -DOUT_FILE=<build-win>/LorivexSetup.exe installer/Lorivex.nsi
;
; It puts Lorivex.dll, the templates, the symbols and the manual into the
; program folder, registers the DLL (its DllRegisterServer writes the COM
; class and Word's add-in entry) and writes an uninstaller. Uninstalling
; unregisters the DLL (which also takes the toolbar out of Word) and removes
; every file and registry entry the installation made. Silent with /S; the
; folder can be given with /D=PATH (last on the command line).

Unicode true
; A 64-bit installer: it loads the 64-bit DLL to register it, and
; $PROGRAMFILES and the registry are the 64-bit ones.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!ifndef BIN_DIR | HELP_FILE | VERSION | OUT_FILE
  !error "Define BIN_DIR, HELP_FILE, VERSION and OUT_FILE (see the head of this file)"
!endif

!define PRODUCT "Lorivex 2008"
!define PUBLISHER "Vantrell"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lorivex2008"

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\Vantrell\Lorivex 2008"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Lorivex"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/Lorivex.dll"
  File "${HELP_FILE}"
  SetOutPath "$INSTDIR\templates"
  File /r "${BIN_DIR}/templates/*.*"
  SetOutPath "$INSTDIR\Symbols"
  File /r "${BIN_DIR}/Symbols/*.*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ClearErrors
  RegDLL "$INSTDIR\Lorivex.dll"
  IfErrors 0 registered
    ; Nothing half-installed stays behind.
    UnRegDLL "$INSTDIR\Lorivex.dll"
    Call RemoveFiles
    MessageBox MB_ICONSTOP|MB_OK "Lorivex.dll could not be registered as a Word add-in." /SD IDOK
    SetErrorLevel 2
    Quit
  registered:

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The files the installation made, and the folders when nothing else is in
; them (an author's own templates next to ours stay).
!macro REMOVE_FILES un
Function ${un}RemoveFiles
  Delete "$INSTDIR\Lorivex.dll"
  Delete "$INSTDIR\Lorivex2008.chm"
  Delete "$INSTDIR\Uninstall.exe"
!include "${OUT_FILE}.files.nsh"
  RMDir "$INSTDIR\templates"
  RMDir "$INSTDIR\Symbols"
  RMDir "$INSTDIR"
  RMDir "$INSTDIR\.."
FunctionEnd
!macroend
!insertmacro REMOVE_FILES ""
!insertmacro REMOVE_FILES "un."

Section "Uninstall"
  SetRegView 64
  ClearErrors
  UnRegDLL "$INSTDIR\Lorivex.dll"
  IfErrors 0 unregistered
    MessageBox MB_ICONEXCLAMATION|MB_OK "Lorivex.dll could not be unregistered; its files are removed all the same." /SD IDOK
  unregistered:
  Call un.RemoveFiles
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
