! Clarion prototypes of exported functions, written by Clarion Quillon 32.
! INCLUDE this file inside the MAP of a program that links the LIB file of these
! modules. A line that begins with "!" is a function whose exported name does
! not tell enough to call it safely: complete it from the DLL's documentation
! before you take out the "!".

  MODULE('WINSTUFF.DLL')
! GetVersion            PROCEDURE(),PASCAL,RAW,NAME('GetVersion')  ! parameters not known: the exported name does not tell them
GetThing                PROCEDURE(LONG,LONG,LONG),LONG,PASCAL,RAW,NAME('_GetThing@12')  ! 12 bytes of parameters taken as 3 LONG; the return value is read as a LONG
QsShutdown              PROCEDURE(),LONG,PASCAL,RAW,NAME('_QsShutdown@0')  ! no parameters; the return value is read as a LONG
! Odd                   PROCEDURE(),PASCAL,RAW,NAME('_Odd@6')  ! 6 bytes of parameters do not make whole LONG parameters
! Fast                  PROCEDURE(),PASCAL,RAW,NAME('@Fast@8')  ! fastcall: Clarion cannot pass parameters in registers
! Return_               PROCEDURE(),PASCAL,RAW,NAME('Return')  ! parameters not known: the exported name does not tell them
! getversion_2          PROCEDURE(),PASCAL,RAW,NAME('getversion')  ! parameters not known: the exported name does not tell them
! It_s                  PROCEDURE(),PASCAL,RAW,NAME('It''s<<{{odd}>')  ! parameters not known: the exported name does not tell them
  END

  MODULE('MSCPP.DLL')
foo                     PROCEDURE(*CSTRING,LONG),LONG,PASCAL,RAW,NAME('?foo@@YGHPBDH@Z')
Sum                     PROCEDURE(REAL,REAL),REAL,C,RAW,NAME('?Sum@@YANNN@Z')
! File_Open             PROCEDURE(*CSTRING),LONG,PASCAL,RAW,NAME('?Open@File@@QAEHPBD@Z')  ! a member function: it needs an object of its class
File_Create             PROCEDURE(*CSTRING),LONG,C,RAW,NAME('?Create@File@@SAPAV1@PBD@Z')
! Big                   PROCEDURE(),C,RAW,NAME('?Big@@YA_JXZ')  ! no Clarion type for the return type __int64
! Log                   PROCEDURE(*CSTRING),C,RAW,NAME('?Log@@YAXPBDZZ')  ! a variable number of parameters
! gValue                ! data, not a function: ?gValue@@3HA
! _7File_6B             ! not a function to call: ??_7File@@6B@
Color                   PROCEDURE(LONG,*LONG),C,RAW,NAME('?Color@@YAXW4Shade@@PAPAD@Z')
! Export                ! a C++ name the demangler cannot read: ?@@@
  END

  MODULE('GNUCPP.DLL')
add                     PROCEDURE(LONG,LONG),C,RAW,NAME('_Z3addii')  ! the return type is not in the name
step                    PROCEDURE(*SHORT),PASCAL,RAW,NAME('_Z4stepPs@4')  ! the return type is not in the name
! File_open_2           PROCEDURE(*CSTRING),C,RAW,NAME('_ZN4File4openEPKc')  ! may be a member function: the name does not tell a class from a namespace
foo_2                   PROCEDURE(LONG),C,RAW,NAME('_Z3fooIiEvT_')
point                   PROCEDURE(LONG),C,RAW,NAME('_Z5pointP5Point')  ! the return type is not in the name
area                    PROCEDURE(LONG),C,RAW,NAME('_Z4areaRK5Shape')  ! the return type is not in the name
! whole                 PROCEDURE(),C,RAW,NAME('_Z5whole5Point')  ! no Clarion type for Point
  END
