//{{NO_DEPENDENCIES}}
// Resource ids of the tag-properties plug-in, shared by TagProperties.rc, the
// translated scripts under lang/ and the code that loads dialogs and strings.
// Several ids carry the same number on different dialogs (the number is what
// the templates store); within one dialog every id is unique.
#pragma once

// Dialog templates
#define IDD_NUM_PARAM                   519
#define IDD_BOOL_PARAM                  520
#define IDD_STR_PARAM                   521
#define IDD_ALR_BOOL                    522
#define IDD_HST_BOOL                    523
#define IDD_ALR_NUM                     524
#define IDD_HST_NUM                     525
#define IDD_GENERAL                     8000
#define IDD_VELTRIX_INTEGRATION         8002

// String table
#define IDS_TAG_PROPERTIES              1
#define IDS_RATE_PER_SECOND             2
#define IDS_RATE_PER_MINUTE             3
#define IDS_RATE_PER_HOUR               4
#define IDS_SCOPE_LOCAL                 5
#define IDS_SCOPE_SERVER                6
#define IDS_TYPE_BOOLEAN                32964
#define IDS_TYPE_INTEGER                32965
#define IDS_TYPE_REAL                   32966
#define IDS_TYPE_STRING                 32967
#define IDS_INVALID_BOOLEAN_VALUE       32977
#define IDS_MAX_DB_POINTS_EXCEEDED      32978
#define IDS_SYSTEM_TAG_READ_ONLY        32979
#define IDS_ALARM_GROUP_TOO_HIGH        32980
#define IDS_INTEGRATION_FILES_UNREADABLE 32981
#define IDS_INTEGRATION_FILES_CHANGED   32982
// The framework takes the application title (every message box caption) from
// this entry; same spelling as the framework's own definition.
#ifndef AFX_IDS_APP_TITLE
#define AFX_IDS_APP_TITLE               0xE000
#endif
// The framework's prompts and property sheet buttons, in its own ids (see
// platform/mfc/FrameworkPrompts.h); a language module translates them.
#ifndef AFX_IDP_PARSE_INT
#define AFX_IDP_PARSE_INT               0xF110
#define AFX_IDP_PARSE_REAL              0xF111
#define AFX_IDP_PARSE_INT_RANGE         0xF112
#define AFX_IDP_PARSE_STRING_SIZE       0xF114
#endif
#ifndef AFX_IDS_SHEET_OK
#define AFX_IDS_SHEET_OK                0xF1E0
#define AFX_IDS_SHEET_CANCEL            0xF1E1
#define AFX_IDS_SHEET_APPLY             0xF1E2
#endif

// Tag properties dialog (IDD_GENERAL)
#define IDC_TAGNAME                     8000
#define IDC_TAG_SIZE                    8001
#define IDC_TYPE                        8002
#define IDC_DESCRIPTION                 8003
#define IDC_SCOPE                       8005

// Parameters pages (IDD_NUM_PARAM, IDD_BOOL_PARAM, IDD_STR_PARAM)
#define IDC_RETENTIVE_VALUE             519
#define IDC_RETENTIVE_PARAMETERS        520
#define IDC_STARTUP_VALUE               521
#define IDC_ENG_MIN                     522
#define IDC_ENG_MAX                     523
#define IDC_UNIT                        524
#define IDC_DEAD_BAND                   525
#define IDC_DEAD_BAND_ENABLED           555
#define IDC_SMOOTHING                   556

// Alarms pages (IDD_ALR_NUM, IDD_ALR_BOOL): top area and column headings
#define IDC_ALARMS_ENABLED              526
#define IDC_ARRAY_INDEX_LABEL           527
#define IDC_ALR_ARRAY_INDEX             528
#define IDC_REMOTE_ACK_TAG              529
#define IDC_TRANSLATION_ENABLED         530
#define IDC_HEAD_BOOL_MESSAGE           531
#define IDC_HEAD_GROUP                  532
#define IDC_HEAD_PRIORITY               533
#define IDC_HEAD_SELECTION              534
#define IDC_ALR_DEAD_BAND               552
#define IDC_HEAD_LIMIT                  553
#define IDC_HEAD_MESSAGE                554
#define IDC_DEVIATION_SETPOINT          600
#define IDC_DEVIATION_DEAD_BAND         601

// Numeric alarm rows: check box, limit, message, group, priority, selection
#define IDC_HIHI_ENABLED                557
#define IDC_HIHI_LIMIT                  558
#define IDC_HIHI_MESSAGE                559
#define IDC_HIHI_GROUP                  560
#define IDC_HIHI_PRIORITY               561
#define IDC_HIHI_SELECTION              562
#define IDC_HI_ENABLED                  563
#define IDC_HI_LIMIT                    564
#define IDC_HI_MESSAGE                  565
#define IDC_HI_GROUP                    566
#define IDC_HI_PRIORITY                 567
#define IDC_HI_SELECTION                568
#define IDC_LO_ENABLED                  569
#define IDC_LO_LIMIT                    570
#define IDC_LO_MESSAGE                  571
#define IDC_LO_GROUP                    572
#define IDC_LO_PRIORITY                 573
#define IDC_LO_SELECTION                574
#define IDC_LOLO_ENABLED                575
#define IDC_LOLO_LIMIT                  576
#define IDC_LOLO_MESSAGE                577
#define IDC_LOLO_GROUP                  578
#define IDC_LOLO_PRIORITY               579
#define IDC_LOLO_SELECTION              580
#define IDC_RATE_ENABLED                581
#define IDC_RATE_LIMIT                  582
#define IDC_RATE_UNIT                   583
#define IDC_RATE_MESSAGE                584
#define IDC_RATE_GROUP                  585
#define IDC_RATE_PRIORITY               586
#define IDC_RATE_SELECTION              587
#define IDC_DEVP_ENABLED                588
#define IDC_DEVP_LIMIT                  589
#define IDC_DEVP_MESSAGE                590
#define IDC_DEVP_GROUP                  591
#define IDC_DEVP_PRIORITY               592
#define IDC_DEVP_SELECTION              593
#define IDC_DEVM_ENABLED                594
#define IDC_DEVM_LIMIT                  595
#define IDC_DEVM_MESSAGE                596
#define IDC_DEVM_GROUP                  597
#define IDC_DEVM_PRIORITY               598
#define IDC_DEVM_SELECTION              599

// Boolean alarm rows and the alarm control's text values
#define IDC_OFF_ENABLED                 535
#define IDC_OFF_MESSAGE                 536
#define IDC_OFF_GROUP                   537
#define IDC_OFF_PRIORITY                538
#define IDC_OFF_SELECTION               539
#define IDC_ON_ENABLED                  540
#define IDC_ON_MESSAGE                  541
#define IDC_ON_GROUP                    542
#define IDC_ON_PRIORITY                 543
#define IDC_ON_SELECTION                544
#define IDC_CHANGED_ENABLED             545
#define IDC_CHANGED_MESSAGE             546
#define IDC_CHANGED_GROUP               547
#define IDC_CHANGED_SELECTION           548
#define IDC_CHANGED_PRIORITY            603
#define IDC_ON_TEXT                     8007
#define IDC_OFF_TEXT                    8008
#define IDC_ACK_TEXT                    8009

// History pages (IDD_HST_NUM, IDD_HST_BOOL); the index label is IDC_ARRAY_INDEX_LABEL
#define IDC_HISTORY_ENABLED             549
#define IDC_HST_ARRAY_INDEX             550
#define IDC_HISTORY_GROUP               551
#define IDC_LOG_DEAD_BAND               602

// Integration page (IDD_VELTRIX_INTEGRATION)
#define IDC_TREND_SCALE_MIN             530
#define IDC_ROLLOVER_VALUE              531
#define IDC_SAMPLE_COUNT                532
#define IDC_DEADBAND_RATE               533
#define IDC_VALUE_INTEGRATION           8008
#define IDC_INTERPOLATION_TYPE          8009
#define IDC_ALARM_INTEGRATION           8010
#define IDC_HISTORIAN_INTEGRATION       8011
#define IDC_FORCED_STORAGE              8012
#define IDC_SWINGING_DOOR               8013
#define IDC_TREND_SCALE_MAX             8014

// Next default values for new objects
//
#ifdef APSTUDIO_INVOKED
#ifndef APSTUDIO_READONLY_SYMBOLS
#define _APS_NEXT_RESOURCE_VALUE        8003
#define _APS_NEXT_COMMAND_VALUE         32983
#define _APS_NEXT_CONTROL_VALUE         8015
#define _APS_NEXT_SYMED_VALUE           8003
#endif
#endif
