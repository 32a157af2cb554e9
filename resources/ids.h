/* Control, menu and resource ids shared by the resource scripts and the code. Ids carry meaning
   by arithmetic: value edit = IDC_VALUE_BASE + ParamId, and so on. Plain C: windres reads it. */
#ifndef OVANTA_IDS_H
#define OVANTA_IDS_H

#define IDC_PLOT 0            /* drawing area, a black frame */
#define IDC_ACCEPT 3          /* solve */
#define IDC_EXIT 2            /* also Esc, the close box and File > Exit */
#define IDC_POINT_ACCEPT 5    /* compute the point */
#define IDC_GIVEN_BASE 79     /* "data?" box of ParamId p: 79 + p (80..86) */
#define IDC_VALUE_BASE 99     /* value edit of ParamId p: 99 + p (100..106) */
#define IDC_LAUNCH_HEIGHT 107 /* Y0 */
#define IDC_POINT_BASE 109    /* point edit k: 109 + k (110..114) */
#define IDC_POINT_GROUP 150   /* "Point of the trajectory"; point label k: 150 + k */
#define IDC_SECOND_X 160      /* second solution: "x2: ", "Vy2: ", "t2: " */
#define IDC_SECOND_VY 161
#define IDC_SECOND_T 162
#define IDC_STATUS 170        /* status line under the drawing area: the case, a point, the ball */
#define IDC_PICTURE 171       /* the dialog's picture, drawn for the screen's density */
#define IDC_LAUNCH_ICON 172   /* the icon beside the launch height */
#define IDC_PARAM_HEADS 180     /* "Parameter  value  data?" over the parameter table */
#define IDC_PARAM_LABEL_BASE 180 /* row label of ParamId p: 180 + p (181..187) */
#define IDC_PARAM_FRAME 1300

#define IDM_SAVE_CASE 301
#define IDM_COPY_CASE 302     /* also Ctrl+C outside an edit's selection */
#define IDM_EXPORT_TABLE 303
#define IDM_SAVE_PICTURE 304
#define IDM_PLAY 310          /* the plot's menu: play the shot (also F5) */
#define IDM_CLEAR_PATHS 311   /* the plot's menu: forget the earlier paths */
#define IDM_CONDITIONS 320    /* Gravity and air... */
#define IDM_LANGUAGE_BASE 330 /* Language menu: language i (0 Catalan, 1 English, 2 Spanish) is 330 + i */
#define IDM_LANGUAGE_CA 330
#define IDM_LANGUAGE_EN 331
#define IDM_LANGUAGE_ES 332
#define IDM_TOOLS_EDITION 501
#define IDM_INFO 800
#define IDM_ABOUT 801


/* Tools edition dialog (DlgTools). Enter with no push button focused arrives as 1. */
#define IDC_TOOLS_ESC 2
#define IDC_TOOLS_NEW 3         /* "+" */
#define IDC_TOOLS_DELETE 4      /* "-" */
#define IDC_TOOLS_UP 5          /* "^" */
#define IDC_TOOLS_DOWN 6        /* "v" */
#define IDC_TOOLS_BROWSE 10     /* three middle dots */
#define IDC_TOOLS_STORE 15      /* "<- ok" */
#define IDC_TOOLS_OK 20
#define IDC_TOOLS_LABEL 30      /* labels: list 30, title 31, file 32, directory 33, parameters 34 */
#define IDC_TOOLS_LIST 40
#define IDC_TOOLS_FIELD_BASE 100 /* edits: title 100, file 101, work directory 102, parameters 103 */
#define IDC_TOOLS_GROUP 150

/* Gravity and air (DlgConditions). OK is 1 and Cancel 2, as Enter and Esc send them. */
#define IDC_COND_WORLD 401     /* list of the worlds, "Other" last */
#define IDC_COND_G 402
#define IDC_COND_AIR 403       /* check box: air on */
#define IDC_COND_BALL 404      /* list of the balls, "Other" last */
#define IDC_COND_MASS 405
#define IDC_COND_DIAMETER 406
#define IDC_COND_CD 407
#define IDC_COND_RHO 408
#define IDC_COND_SUMMARY 409   /* k and the terminal speed */
#define IDC_COND_LABEL 420     /* labels 420..427 */
#define IDC_COND_OK 1
#define IDC_COND_CANCEL 2

#endif
