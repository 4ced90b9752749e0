/*
 * Ids of the monitor's own resources (monitor.rc): the About box template
 * and the program icon. The resource library's ids are in vigilkit_ids.h.
 * Plain C: included by monitor.rc and by the monitor.
 */
#ifndef MONITOR_IDS_H
#define MONITOR_IDS_H

/* About box (IDD_ABOUT 2000); OK is the system's id 1. */
#define IDD_ABOUT                   2000
#define IDC_ABOUT_LINE1             2001  /* gets string IDS_ABOUT_LINE1 */
#define IDC_ABOUT_LINE2             2002  /* gets string IDS_ABOUT_LINE2 */
#define IDC_ABOUT_COPYRIGHT         2003  /* keeps the template's text */
#define IDC_ABOUT_VERSION           2004  /* keeps the template's text */
#define IDC_ABOUT_ICON              2005  /* hidden; places the icon pane */

/* Program icon: title bar and About box. */
#define IDI_VIGILKIT                2800

#endif /* MONITOR_IDS_H */
