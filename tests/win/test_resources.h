/* Ids of the test programs' own resources (test_resources.rc), clear of
 * the program's. */
#ifndef VELLINOR_TEST_RESOURCES_H
#define VELLINOR_TEST_RESOURCES_H

#define IDD_TEST 9001
#define IDC_TEST_LIST 9010
#define IDC_TEST_EDIT 9011
#define IDC_TEST_CHECK 9012
#define IDC_TEST_BUTTON 9013
#define IDC_TEST_LABEL 9014

#define IDS_TEST_LONG 9100
#define IDS_TEST_SHORT 9101

/* Four pixels in the artwork's marker colours (background, buttons,
 * highlights) and white, with a 16-colour table. */
#define IDB_TEST_MARKERS 9200

#endif
