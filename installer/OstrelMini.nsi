; Ostrel-Mini's setup program, built by scripts/make-setup with makensis (Debian's nsis package):
;   makensis -DSOURCE=<program folder> -DVERSION=1.1.2.1 -DOUTFILE=<setup.exe> -DICON=<app.ico>
;            [-DSIGN=<command signing the file %1>] installer/OstrelMini.nsi
;
; For the user who runs it by default, without administrator rights, into
; %LOCALAPPDATA%\Programs\Ostrel-Mini; for all users of the computer with /ALLUSERS (or the
; choice on the first page) into Program Files, with administrator rights. Silent with /S;
; /D=<folder> (last, unquoted) installs elsewhere, /DESKTOPSHORTCUT adds a desktop shortcut.
; An earlier installation of the same kind is updated where it is.
;
; Exit codes: 0 installed, 1 cancelled, 2 failed, 3 the program runs from the folder (close it),
; 4 the folder holds files of something else, 5 an installation for all users without
; administrator rights (silently: nobody could be asked for them).
; The uninstaller removes the program's folder, its shortcuts and its entry in the list of apps.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh
!include nsDialogs.nsh

!define PRODUCT "Ostrel-Mini"
!define PUBLISHER "Ostrel"
!define PROGRAM "OstrelMini.exe"
; The program reads this entry too (upgrade/controller/ul_installation.h).
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define EXIT_FAILED 2
!define EXIT_RUNNING 3
!define EXIT_NOT_OURS 4
!define EXIT_NOT_ADMIN 5

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "© Ostrel 团队。保留所有权利。"

!ifdef SIGN
!finalize '${SIGN}'
!uninstfinalize '${SIGN}'
!ifdef KEEP_UNINSTALLER
!uninstfinalize '${KEEP_UNINSTALLER}'
!endif
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

Var AllUsers      ; 1: for all users of the computer
Var DesktopIcon   ; 1: a shortcut on the desktop too
Var DirectoryGiven  ; 1: /D= named the folder
Var ModeChoice
Var DesktopChoice

Page custom ModePage ModePageLeave
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; Ends the installation with `code` after telling the user `text` (nothing when silent).
!macro Fail code text
  ${IfNot} ${Silent}
    MessageBox MB_OK|MB_ICONSTOP "${text}"
  ${EndIf}
  SetErrorLevel ${code}
  Abort
!macroend

; Whether the running token is an administrator's: Windows hands out a full one only on request.
!macro IsAdministrator result
  UserInfo::GetAccountType
  Pop ${result}
!macroend

; While the program runs from the folder its file cannot be opened without sharing: the user is
; asked to close it (silently, it is a failure with EXIT_RUNNING) rather than have files replaced
; under it.
!macro DefineWaitForTheProgram prefix
Function ${prefix}WaitForTheProgram
  ${DoWhile} ${FileExists} "$INSTDIR\${PROGRAM}"
    System::Call 'kernel32::CreateFileW(w "$INSTDIR\${PROGRAM}", i 0x40000000, i 0, p 0, i 3, i 0x80, p 0) p .r0 ?e'
    Pop $1
    ${If} $0 != -1
      System::Call 'kernel32::CloseHandle(p r0)'
      ${Break}
    ${EndIf}
    ${IfThen} $1 != 32 ${|} ${Break} ${|}
    ${If} ${Silent}
      SetErrorLevel ${EXIT_RUNNING}
      Abort
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} 正在运行。$\n$\n请先关闭它，然后点击“重试”。" IDRETRY retry
    SetErrorLevel ${EXIT_RUNNING}
    Abort
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro DefineWaitForTheProgram ""
!insertmacro DefineWaitForTheProgram "un."

; The folder and the place of the entry and shortcuts for the kind of installation chosen; an
; earlier installation of that kind is updated where it is.
Function ApplyMode
  ${If} $AllUsers == 1
    SetShellVarContext all
    StrCpy $0 "$PROGRAMFILES64\${PRODUCT}"
  ${Else}
    SetShellVarContext current
    StrCpy $0 "$LOCALAPPDATA\Programs\${PRODUCT}"
  ${EndIf}
  ${If} $DirectoryGiven != 1
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${IfThen} $1 != "" ${|} StrCpy $0 $1 ${|}
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/DESKTOPSHORTCUT" $R1
  ${IfNot} ${Errors}
    StrCpy $DesktopIcon 1
  ${EndIf}
  ${If} $INSTDIR != "$LOCALAPPDATA\Programs\${PRODUCT}"
    StrCpy $DirectoryGiven 1
  ${EndIf}
  ${If} $AllUsers == 1
  ${AndIf} ${Silent}
    ; Interactively the first page asks for them.
    !insertmacro IsAdministrator $0
    ${If} $0 != "Admin"
      SetErrorLevel ${EXIT_NOT_ADMIN}
      Quit
    ${EndIf}
  ${EndIf}
  Call ApplyMode
FunctionEnd

Function ModePage
  !insertmacro MUI_HEADER_TEXT "安装方式" "选择为谁安装 ${PRODUCT}。"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 12u "仅为我安装（不需要管理员权限）"
  Pop $1
  ${NSD_CreateRadioButton} 0 18u 100% 12u "为这台计算机的所有用户安装（需要管理员权限）"
  Pop $ModeChoice
  ${If} $AllUsers == 1
    ${NSD_Check} $ModeChoice
  ${Else}
    ${NSD_Check} $1
  ${EndIf}
  ${NSD_CreateCheckBox} 0 48u 100% 12u "在桌面上创建快捷方式"
  Pop $DesktopChoice
  ${If} $DesktopIcon == 1
    ${NSD_Check} $DesktopChoice
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $DesktopChoice $DesktopIcon  ; BST_CHECKED is 1
  ${NSD_GetState} $ModeChoice $0
  ${If} $0 == ${BST_CHECKED}
    !insertmacro IsAdministrator $1
    ${If} $1 != "Admin"
      ; This copy runs with the user's rights: one with administrator rights takes over.
      ${If} $DesktopIcon == 1
        StrCpy $2 "/ALLUSERS /DESKTOPSHORTCUT"
      ${Else}
        StrCpy $2 "/ALLUSERS"
      ${EndIf}
      ClearErrors
      ExecShell "runas" "$EXEPATH" $2
      ${If} ${Errors}
        MessageBox MB_OK|MB_ICONEXCLAMATION "没有获得管理员权限，无法为所有用户安装。"
        Abort
      ${EndIf}
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call ApplyMode
FunctionEnd

; The uninstaller removes the whole folder: only an empty one, or one that already holds the
; program, is taken.
Function CheckFolder
  ${DirState} "$INSTDIR" $0
  ${If} $0 == 1
  ${AndIfNot} ${FileExists} "$INSTDIR\${PROGRAM}"
    !insertmacro Fail ${EXIT_NOT_OURS} "文件夹 $INSTDIR 中已经有其他文件。$\n$\n请选择一个空文件夹。"
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  ${DirState} "$INSTDIR" $0
  ${If} $0 == 1
  ${AndIfNot} ${FileExists} "$INSTDIR\${PROGRAM}"
    MessageBox MB_OK|MB_ICONEXCLAMATION "文件夹 $INSTDIR 中已经有其他文件。$\n$\n请选择一个空文件夹。"
    Abort
  ${EndIf}
FunctionEnd

Section
  Call CheckFolder
  Call WaitForTheProgram
  SetOutPath "$INSTDIR"
  ClearErrors
  ; What running the program leaves in its folder is not shipped.
  File /r /x cache /x debug.log /x *.uTMP /x *.uBAK /x preferences.txt "${SOURCE}\*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ${If} ${Errors}
    !insertmacro Fail ${EXIT_FAILED} "无法写入文件夹 $INSTDIR。"
  ${EndIf}
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}"
  ${If} $DesktopIcon == 1
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}"
  ${EndIf}
  ${If} $AllUsers == 1
    StrCpy $0 " /ALLUSERS"
  ${Else}
    StrCpy $0 ""
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"$0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S$0'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
  ${If} ${Errors}
    !insertmacro Fail ${EXIT_FAILED} "无法写入程序列表。"
  ${EndIf}
SectionEnd

Function un.onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
    SetShellVarContext all
    !insertmacro IsAdministrator $0
    ${If} $0 != "Admin"
      ${IfNot} ${Silent}
        ; A copy with administrator rights takes over.
        ClearErrors
        ExecShell "runas" "$EXEPATH" $R0
        ${IfNotThen} ${Errors} ${|} Quit ${|}
        MessageBox MB_OK|MB_ICONSTOP "没有获得管理员权限，无法卸载为所有用户安装的 ${PRODUCT}。"
      ${EndIf}
      SetErrorLevel ${EXIT_NOT_ADMIN}
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.WaitForTheProgram
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ; The folder is the program's (setup takes no other): the engine's cache and log go with it.
  RMDir /r "$INSTDIR"
SectionEnd
