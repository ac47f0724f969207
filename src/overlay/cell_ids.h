#pragma once

#include <cstdint>

// The cell categories and cell labels that bind a described cell to compiled behaviour. The
// overlay writes them by name; a cell carries the number, which is the name's place in its list,
// and the cell value engine dispatches on it. So the order is part of the contract: append
// nothing in the middle, remove nothing.
//
// Each list is the one table of its names: it makes the named constants below and the registry's
// name tables (overlay/cell_registry.cpp).

// X(name, channel list number): the list of rows a category's cells belong to (the International,
// USA, Canada, DSC and weather channel lists, the free channels, the DSC individual IDs and the
// waypoints); 0 for none.
#define KTV_CELL_CATEGORIES(X) \
    X(CT_Null, 0)      /* 0 */ \
    X(CT_PopupMenu, 0) /* 1 */ \
    X(CT_IntCh, 1)     /* 2 */ \
    X(CT_UsaCh, 2)     /* 3 */ \
    X(CT_CanCh, 3)     /* 4 */ \
    X(CT_DscCh, 4)     /* 5 */ \
    X(CT_WxCh, 5)      /* 6 */ \
    X(CT_FreeCh, 6)    /* 7 */ \
    X(CT_DscIndId, 7)  /* 8 */ \
    X(CT_Waypoint, 8)  /* 9 */

// X(name): two names lack the CL_ prefix (Flex0, CallSheet) and are used exactly so.
#define KTV_CELL_LABELS(X)                           \
    X(CL_Null)                             /* 0 */   \
    X(Flex0)                               /* 1 */   \
    X(CL_FlexMarking)                      /* 2 */   \
    X(CL_FBits)                            /* 3 */   \
    X(CL_EeDebugWin_Adr)                   /* 4 */   \
    X(CL_EeDebugWin_0)                     /* 5 */   \
    X(CL_EeDebugWin_1)                     /* 6 */   \
    X(CL_EeDebugWin_2)                     /* 7 */   \
    X(CL_EeDebugWin_3)                     /* 8 */   \
    X(CL_EeDebugWin_4)                     /* 9 */   \
    X(CL_EeDebugWin_5)                     /* 10 */  \
    X(CL_EeDebugWin_6)                     /* 11 */  \
    X(CL_EeDebugWin_7)                     /* 12 */  \
    X(CL_EeDebugWin_8)                     /* 13 */  \
    X(CL_EeDebugWin_9)                     /* 14 */  \
    X(CL_EeDebugWin_A)                     /* 15 */  \
    X(CL_EeDebugWin_B)                     /* 16 */  \
    X(CL_EeDebugWin_C)                     /* 17 */  \
    X(CL_EeDebugWin_D)                     /* 18 */  \
    X(CL_EeDebugWin_E)                     /* 19 */  \
    X(CL_EeDebugWin_F)                     /* 20 */  \
    X(CL_Free_Byte_Dec)                    /* 21 */  \
    X(CL_Free_Byte_Hex)                    /* 22 */  \
    X(CL_Free_DscId)                       /* 23 */  \
    X(CL_Menu_File_New)                    /* 24 */  \
    X(CL_Menu_File_Open)                   /* 25 */  \
    X(CL_Menu_File_Save)                   /* 26 */  \
    X(CL_Menu_File_SaveAs)                 /* 27 */  \
    X(CL_Menu_File_Print_Current)          /* 28 */  \
    X(CL_Menu_File_Print_All)              /* 29 */  \
    X(CL_Menu_File_Recent)                 /* 30 */  \
    X(CL_Menu_File_Exit)                   /* 31 */  \
    X(CL_Menu_Edit_Top)                    /* 32 */  \
    X(CL_Menu_View_FontSize)               /* 33 */  \
    X(CL_Menu_View_ToolBar)                /* 34 */  \
    X(CL_Menu_Port_Com)                    /* 35 */  \
    X(CL_Menu_Port_Usb)                    /* 36 */  \
    X(CL_Menu_Port_ComList0)               /* 37 */  \
    X(CL_Menu_Port_ComList1)               /* 38 */  \
    X(CL_Menu_Port_ComList2)               /* 39 */  \
    X(CL_Menu_Port_SpeedHigh)              /* 40 */  \
    X(CL_Menu_Clone_Read)                  /* 41 */  \
    X(CL_Menu_Clone_Write)                 /* 42 */  \
    X(CL_Menu_Clone_Info)                  /* 43 */  \
    X(CL_Model)                            /* 44 */  \
    X(CL_Help_About)                       /* 45 */  \
    X(CL_Help_Contents)                    /* 46 */  \
    X(CL_Menu_Debug_Compare)               /* 47 */  \
    X(CL_Menu_Debug_CorrectComp)           /* 48 */  \
    X(CL_Menu_Debug_Window)                /* 49 */  \
    X(CL_Menu_Debug_EeWindow)              /* 50 */  \
    X(CallSheet)                           /* 51 */  \
    X(CL_Check_Int_ChInh)                  /* 52 */  \
    X(CL_Check_Usa_ChInh)                  /* 53 */  \
    X(CL_Check_Can_ChInh)                  /* 54 */  \
    X(CL_Check_WX_ChInh)                   /* 55 */  \
    X(CL_Check_Dsc_SelfId)                 /* 56 */  \
    X(CL_Check_Dsc_Call)                   /* 57 */  \
    X(CL_Check_Dsc_Id)                     /* 58 */  \
    X(CL_Check_Conf_Softkey)               /* 59 */  \
    X(CL_CloneInfo_Model)                  /* 60 */  \
    X(CL_CloneInfo_Revision)               /* 61 */  \
    X(CL_CloneInfo_Comment)                /* 62 */  \
    X(CL_PMenu_NoItem)                     /* 63 */  \
    X(CL_PMenu_Edit)                       /* 64 */  \
    X(CL_PMenu_Copy)                       /* 65 */  \
    X(CL_PMenu_Paste)                      /* 66 */  \
    X(CL_PMenu_CarryUp)                    /* 67 */  \
    X(CL_PMenu_CarryDown)                  /* 68 */  \
    X(CL_PMenu_Clear)                      /* 69 */  \
    X(CL_PMenu_Delete)                     /* 70 */  \
    X(CL_PMenu_Insert)                     /* 71 */  \
    X(CL_PMenu_Help)                       /* 72 */  \
    X(CL_Misc_ChNo_0Base)                  /* 73 */  \
    X(CL_Misc_ChNo_1Base)                  /* 74 */  \
    X(CL_Misc_QuarterPillar)               /* 75 */  \
    X(CL_CannotEdit)                       /* 76 */  \
    X(CL_Dummy)                            /* 77 */  \
    X(CL_ChList_No)                        /* 78 */  \
    X(CL_ChList_Atr)                       /* 79 */  \
    X(CL_ChList_Tag)                       /* 80 */  \
    X(CL_ChList_TxInh)                     /* 81 */  \
    X(CL_ChList_Poc)                       /* 82 */  \
    X(CL_ChList_Simp)                      /* 83 */  \
    X(CL_ChList_Comment)                   /* 84 */  \
    X(CL_INT_ChNo)                         /* 85 */  \
    X(CL_INT_ChAtr)                        /* 86 */  \
    X(CL_INT_ChInh)                        /* 87 */  \
    X(CL_INT_ChTag)                        /* 88 */  \
    X(CL_INT_ChTxInh)                      /* 89 */  \
    X(CL_INT_ChPoc)                        /* 90 */  \
    X(CL_INT_ChSimp)                       /* 91 */  \
    X(CL_INT_ChComment)                    /* 92 */  \
    X(CL_USA_ChNo)                         /* 93 */  \
    X(CL_USA_ChAtr)                        /* 94 */  \
    X(CL_USA_ChInh)                        /* 95 */  \
    X(CL_USA_ChTag)                        /* 96 */  \
    X(CL_USA_ChTxInh)                      /* 97 */  \
    X(CL_USA_ChPoc)                        /* 98 */  \
    X(CL_USA_ChSimp)                       /* 99 */  \
    X(CL_USA_ChComment)                    /* 100 */ \
    X(CL_CANADA_ChNo)                      /* 101 */ \
    X(CL_CANADA_ChAtr)                     /* 102 */ \
    X(CL_CANADA_ChInh)                     /* 103 */ \
    X(CL_CANADA_ChTag)                     /* 104 */ \
    X(CL_CANADA_ChTxInh)                   /* 105 */ \
    X(CL_CANADA_ChPoc)                     /* 106 */ \
    X(CL_CANADA_ChSimp)                    /* 107 */ \
    X(CL_CANADA_ChComment)                 /* 108 */ \
    X(CL_DSC_ChNo)                         /* 109 */ \
    X(CL_DSC_ChAtr)                        /* 110 */ \
    X(CL_DSC_TxInh)                        /* 111 */ \
    X(CL_DSC_Poc)                          /* 112 */ \
    X(CL_DSC_ChSimp)                       /* 113 */ \
    X(CL_DSC_Comment)                      /* 114 */ \
    X(CL_WX_ChAtr)                         /* 115 */ \
    X(CL_WX_ChComment)                     /* 116 */ \
    X(CL_Fch_FreqR)                        /* 117 */ \
    X(CL_Fch_FreqT)                        /* 118 */ \
    X(CL_Fch_WN)                           /* 119 */ \
    X(CL_Fch_ChName)                       /* 120 */ \
    X(CL_DscIndId_Id)                      /* 121 */ \
    X(CL_DscIndId_Atr)                     /* 122 */ \
    X(CL_DscIndId_Comment)                 /* 123 */ \
    X(CL_ComSet_Light)                     /* 124 */ \
    X(CL_ComDsc_SelfId)                    /* 125 */ \
    X(CL_ComDsc_IntCh)                     /* 126 */ \
    X(CL_ComDsc_UsaCh)                     /* 127 */ \
    X(CL_ComDsc_CanCh)                     /* 128 */ \
    X(CL_ComDsc_TScanTimer)                /* 129 */ \
    X(CL_ComDsc_CallRepeatF)               /* 130 */ \
    X(CL_ComDsc_CancelAckF)                /* 131 */ \
    X(CL_ComDsc_IndvAckF)                  /* 132 */ \
    X(CL_ComDsc_PositionRequestF)          /* 133 */ \
    X(CL_ComDsc_PositionReportF)           /* 134 */ \
    X(CL_ComDsc_PollingRequestF)           /* 135 */ \
    X(CL_ComDsc_RX_Distress_ACK)           /* 136 */ \
    X(CL_ComDsc_RX_Urgency_ACK)            /* 137 */ \
    X(CL_ComDsc_RX_Safety_ACK)             /* 138 */ \
    X(CL_ComDsc_RX_Warning)                /* 139 */ \
    X(CL_ComDsc_RX_Count)                  /* 140 */ \
    X(CL_ComDsc_RX_Self_Term)              /* 141 */ \
    X(CL_ComDsc_AllCall_Distress)          /* 142 */ \
    X(CL_ComDsc_AllCall_Urgency)           /* 143 */ \
    X(CL_ComDsc_AllCall_Safety)            /* 144 */ \
    X(CL_ComDsc_AllCall_Routine)           /* 145 */ \
    X(CL_ComDsc_AllCall_Distress_Pow)      /* 146 */ \
    X(CL_ComDsc_AllCall_Urgency_Pow)       /* 147 */ \
    X(CL_ComDsc_AllCall_Safety_Pow)        /* 148 */ \
    X(CL_ComDsc_AllCall_Routine_Pow)       /* 149 */ \
    X(CL_ComDsc_IndvCall_Distress)         /* 150 */ \
    X(CL_ComDsc_IndvCall_Urgency)          /* 151 */ \
    X(CL_ComDsc_IndvCall_Safety)           /* 152 */ \
    X(CL_ComDsc_IndvCall_Routine)          /* 153 */ \
    X(CL_ComDsc_IndvCall_Distress_Pow)     /* 154 */ \
    X(CL_ComDsc_IndvCall_Urgency_Pow)      /* 155 */ \
    X(CL_ComDsc_IndvCall_Safety_Pow)       /* 156 */ \
    X(CL_ComDsc_IndvCall_Routine_Pow)      /* 157 */ \
    X(CL_ComDsc_GroupCall_Distress)        /* 158 */ \
    X(CL_ComDsc_GroupCall_Urgency)         /* 159 */ \
    X(CL_ComDsc_GroupCall_Safety)          /* 160 */ \
    X(CL_ComDsc_GroupCall_Routine)         /* 161 */ \
    X(CL_ComDsc_GroupCall_Distress_Pow)    /* 162 */ \
    X(CL_ComDsc_GroupCall_Urgency_Pow)     /* 163 */ \
    X(CL_ComDsc_GroupCall_Safety_Pow)      /* 164 */ \
    X(CL_ComDsc_GroupCall_Routine_Pow)     /* 165 */ \
    X(CL_ComDsc_IndAutoAck)                /* 166 */ \
    X(CL_ComDsc_PosAutoAck)                /* 167 */ \
    X(CL_ComDsc_TestAutoAck)               /* 168 */ \
    X(CL_ComDsc_Ch16Switch)                /* 169 */ \
    X(CL_ComDsc_ChAutoSwitch)              /* 170 */ \
    X(CL_ComDsc_Ch70SqlLv)                 /* 171 */ \
    X(CL_ComDsc_Ch70Watch)                 /* 172 */ \
    X(CL_ComDsc_Alarm_OnOff_Safety)        /* 173 */ \
    X(CL_ComDsc_Alarm_OnOff_Routine)       /* 174 */ \
    X(CL_ComDsc_Alarm_OnOff_Warning)       /* 175 */ \
    X(CL_ComDsc_Alarm_OnOff_SelfTerm)      /* 176 */ \
    X(CL_ComDsc_Alarm_OnOff_Discrete)      /* 177 */ \
    X(CL_ComDsc_Alarm_Kind_Tx)             /* 178 */ \
    X(CL_ComDsc_Alarm_Kind_DistressTx)     /* 179 */ \
    X(CL_ComDsc_Alarm_Kind_NoMmsi)         /* 180 */ \
    X(CL_ComDsc_Alarm_Kind_PosCeases)      /* 181 */ \
    X(CL_ComDsc_Alarm_Kind_Pos4hr)         /* 182 */ \
    X(CL_ComDsc_Alarm_Kind_Pos23hr)        /* 183 */ \
    X(CL_ComDsc_Alarm_Kind_SelfTerm)       /* 184 */ \
    X(CL_ComDsc_Alarm_Kind_Discrete1)      /* 185 */ \
    X(CL_ComDsc_Alarm_Kind_Discrete2)      /* 186 */ \
    X(CL_ComDsc_Alarm_Kind_Inactivity)     /* 187 */ \
    X(CL_ComDsc_Alarm_Vol_Tx)              /* 188 */ \
    X(CL_ComDsc_Alarm_Vol_DistressTx)      /* 189 */ \
    X(CL_ComDsc_Alarm_Vol_NoMmsi)          /* 190 */ \
    X(CL_ComDsc_Alarm_Vol_PosCeases)       /* 191 */ \
    X(CL_ComDsc_Alarm_Vol_Pos4hr)          /* 192 */ \
    X(CL_ComDsc_Alarm_Vol_Pos23hr)         /* 193 */ \
    X(CL_ComDsc_Alarm_Vol_SelfTerm)        /* 194 */ \
    X(CL_ComDsc_Alarm_Vol_Discrete1)       /* 195 */ \
    X(CL_ComDsc_Alarm_Vol_Discrete2)       /* 196 */ \
    X(CL_ComDsc_Alarm_Vol_Inactivity)      /* 197 */ \
    X(CL_ComDsc_Alarm_Shutdown_Tx)         /* 198 */ \
    X(CL_ComDsc_Alarm_Shutdown_DistressTx) /* 199 */ \
    X(CL_ComDsc_Alarm_Shutdown_NoMmsi)     /* 200 */ \
    X(CL_ComDsc_Alarm_Shutdown_PosCeases)  /* 201 */ \
    X(CL_ComDsc_Alarm_Shutdown_Pos4hr)     /* 202 */ \
    X(CL_ComDsc_Alarm_Shutdown_Pos23hr)    /* 203 */ \
    X(CL_ComDsc_Alarm_Shutdown_SelfTerm)   /* 204 */ \
    X(CL_ComDsc_Alarm_Shutdown_Discrete1)  /* 205 */ \
    X(CL_ComDsc_Alarm_Shutdown_Discrete2)  /* 206 */ \
    X(CL_ComDsc_Alarm_Shutdown_Inactivity) /* 207 */ \
    X(CL_ComDsc_Alarm_Visual_Tx)           /* 208 */ \
    X(CL_ComDsc_Alarm_Visual_DistressTx)   /* 209 */ \
    X(CL_ComDsc_Alarm_Visual_NoMmsi)       /* 210 */ \
    X(CL_ComDsc_Alarm_Visual_PosCeases)    /* 211 */ \
    X(CL_ComDsc_Alarm_Visual_Pos4hr)       /* 212 */ \
    X(CL_ComDsc_Alarm_Visual_Pos23hr)      /* 213 */ \
    X(CL_ComDsc_Alarm_Visual_SelfTerm)     /* 214 */ \
    X(CL_ComDsc_Alarm_Visual_Discrete1)    /* 215 */ \
    X(CL_ComDsc_Alarm_Visual_Discrete2)    /* 216 */ \
    X(CL_ComDsc_Alarm_Visual_Inactivity)   /* 217 */ \
    X(CL_ComDsc_AllCall_ChCall)            /* 218 */ \
    X(CL_ComDsc_GroupCall_ChCall)          /* 219 */ \
    X(CL_ComDsc_IndvCall_ChCall)           /* 220 */ \
    X(CL_DscCall_Tx)                       /* 221 */ \
    X(CL_DscCall_Tx_EPIRB_Ind)             /* 222 */ \
    X(CL_DscCall_Tx_EPIRB_All)             /* 223 */ \
    X(CL_DscCall_Tx_ON)                    /* 224 */ \
    X(CL_DscCall_Tx_OFF)                   /* 225 */ \
    X(CL_DscCall_Rx)                       /* 226 */ \
    X(CL_DscCall_Rx_ON)                    /* 227 */ \
    X(CL_DscCall_Rx_OFF)                   /* 228 */ \
    X(CL_DscCall_TxPow)                    /* 229 */ \
    X(CL_DscCall_Alarm_Distress)           /* 230 */ \
    X(CL_DscCall_Alarm_Distress_ACK)       /* 231 */ \
    X(CL_DscCall_Alarm_Urgency)            /* 232 */ \
    X(CL_DscCall_Alarm_Urgency_ACK)        /* 233 */ \
    X(CL_DscCall_Alarm_Safety)             /* 234 */ \
    X(CL_DscCall_Alarm_Safety_ACK)         /* 235 */ \
    X(CL_DscCall_Alarm_Min)                /* 236 */ \
    X(CL_DscCall_Alarm_Max)                /* 237 */ \
    X(CL_DscCall_Alarm_Shutdown)           /* 238 */ \
    X(CL_DscCall_Alarm_Visual)             /* 239 */ \
    X(CL_ComCom_CloneComment)              /* 240 */ \
    X(CL_ComCom_VolBeep)                   /* 241 */ \
    X(CL_ComCom_VolTimer)                  /* 242 */ \
    X(CL_ComCom_Int)                       /* 243 */ \
    X(CL_ComCom_Usa)                       /* 244 */ \
    X(CL_ComCom_Canada)                    /* 245 */ \
    X(CL_ComCom_Wx)                        /* 246 */ \
    X(CL_ComCom_LcdSymbol)                 /* 247 */ \
    X(CL_ComCom_LcdWx)                     /* 248 */ \
    X(CL_ComCom_InterComF)                 /* 249 */ \
    X(CL_ComCom_PublicAddressF)            /* 250 */ \
    X(CL_ComCom_HornF)                     /* 251 */ \
    X(CL_ComCom_RxSpeakerF)                /* 252 */ \
    X(CL_ComCom_AquaQuakeF)                /* 253 */ \
    X(CL_ComCom_ScanF)                     /* 254 */ \
    X(CL_ComCom_DualWatchF)                /* 255 */ \
    X(CL_ComCom_TriWatchF)                 /* 256 */ \
    X(CL_ComCom_TotF)                      /* 257 */ \
    X(CL_ComCom_TotTimer)                  /* 258 */ \
    X(CL_ComCom_TotAlarm)                  /* 259 */ \
    X(CL_ComCom_PttScan)                   /* 260 */ \
    X(CL_ComCom_BandEx)                    /* 261 */ \
    X(CL_ComCom_RemoteID)                  /* 262 */ \
    X(CL_ComCom_InactivityTimer)           /* 263 */ \
    X(CL_ComCom_InactivityTimer_Dsc)       /* 264 */ \
    X(CL_ComCom_InactivityTimer_Rt)        /* 265 */ \
    X(CL_ComCom_PowSaveCh)                 /* 266 */ \
    X(CL_ComCom_PowSaveScan)               /* 267 */ \
    X(CL_ComCom_PowSaveDw)                 /* 268 */ \
    X(CL_ComCom_PowSave1st)                /* 269 */ \
    X(CL_ComCom_PowSave2nd)                /* 270 */ \
    X(CL_RadioSet_ScanType)                /* 271 */ \
    X(CL_RadioSet_ScanTimer)               /* 272 */ \
    X(CL_RadioSet_ScanSpeed)               /* 273 */ \
    X(CL_RadioSet_Dwtw)                    /* 274 */ \
    X(CL_RadioSet_WxAlert)                 /* 275 */ \
    X(CL_RadioSet_RtMode)                  /* 276 */ \
    X(CL_RadioSet_ChannelDisp)             /* 277 */ \
    X(CL_RadioSet_ChannelDispMenu)         /* 278 */ \
    X(CL_ComConf_Backlight)                /* 279 */ \
    X(CL_ComConf_Contrast)                 /* 280 */ \
    X(CL_ComConf_KeyBeep)                  /* 281 */ \
    X(CL_ComConf_UtcOffset)                /* 282 */ \
    X(CL_ComConf_RxSpeaker)                /* 283 */ \
    X(CL_ComConf_Monitor)                  /* 284 */ \
    X(CL_ComConf_Unit)                     /* 285 */ \
    X(CL_ComConf_Horn)                     /* 286 */ \
    X(CL_ComConf_HornFreq)                 /* 287 */ \
    X(CL_ComConf_NoiseCancel_Tx)           /* 288 */ \
    X(CL_ComConf_NoiseCancel_Rx)           /* 289 */ \
    X(CL_ComConf_Flash_Function)           /* 290 */ \
    X(CL_ComConf_Flash_AutoOff)            /* 291 */ \
    X(CL_ComConf_Flash_Cycle)              /* 292 */ \
    X(CL_ComConf_Flash_Alarm)              /* 293 */ \
    X(CL_ComConf_KeyAssign_Dial)           /* 294 */ \
    X(CL_ComConf_KeyAssign_SoftKey)        /* 295 */ \
    X(CL_ComConf_PosDataOutput)            /* 296 */ \
    X(CL_ComConf_DscDataOutput)            /* 297 */ \
    X(CL_ComAtis_AtisId)                   /* 298 */ \
    X(CL_ComAtis_TxnoAtis)                 /* 299 */ \
    X(CL_ComAtis_AtisHiPow)                /* 300 */ \
    X(CL_ComAtis_IntCh)                    /* 301 */ \
    X(CL_ComAtis_UsaCh)                    /* 302 */ \
    X(CL_ComAtis_CanCh)                    /* 303 */ \
    X(CL_Waypt_Name)                       /* 304 */ \
    X(CL_Waypt_Lat)                        /* 305 */ \
    X(CL_Waypt_Lon)                        /* 306 */ \
    X(CL_MakerR_AdjMode)                   /* 307 */ \
    X(CL_MakerR_Initial)                   /* 308 */ \
    X(CL_MakerR_TestMode)                  /* 309 */ \
    X(CL_MakerR_NoiseCancelF)              /* 310 */ \
    X(CL_MakerR_TX_Mute_Timer)             /* 311 */ \
    X(CL_MakerR_RX_Mute_Timer)             /* 312 */ \
    X(CL_MakerR_Transient_Timer)           /* 313 */ \
    X(CL_MakerR_DwTw_Timer)                /* 314 */ \
    X(CL_MakerR_Ch70w_Timer)               /* 315 */ \
    X(CL_MakerR_PS_OFF_Timer)              /* 316 */ \
    X(CL_MakerR_PS_ON_Timer1)              /* 317 */ \
    X(CL_MakerR_PS_ON_Timer2)              /* 318 */ \
    X(CL_MakerR_GpsPS_OFF_Timer1)          /* 319 */ \
    X(CL_MakerR_GpsPS_ON_Timer1)           /* 320 */ \
    X(CL_MakerR_GpsPS_OFF_Timer2)          /* 321 */ \
    X(CL_MakerR_GpsPS_ON_Timer2)           /* 322 */ \
    X(CL_MakerR_TX_PLLOpt1)                /* 323 */ \
    X(CL_MakerR_TX_PLLOpt2)                /* 324 */ \
    X(CL_MakerR_RX_PLLOpt1)                /* 325 */

#define KTV_CELL_CATEGORY_ID(name, list) name,
#define KTV_CELL_LABEL_ID(name) name,

enum clsCellCategory : int32_t {
    KTV_CELL_CATEGORIES(KTV_CELL_CATEGORY_ID)  //
    CT_None,                                   // a cell without a category
};

enum clsCellLabel : int32_t {
    KTV_CELL_LABELS(KTV_CELL_LABEL_ID)  //
    CL_None,                            // a cell without a label
};

#undef KTV_CELL_CATEGORY_ID
#undef KTV_CELL_LABEL_ID

constexpr int32_t kCategoryCount = CT_None;
constexpr int32_t kLabelCount = CL_None;
static_assert(kCategoryCount == 10 && kLabelCount == 326);
