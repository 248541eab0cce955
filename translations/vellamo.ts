<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AppEnvironment</name>
    <message>
        <source>No scratch folder can be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default nutrient database cannot be written to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupFile</name>
    <message>
        <source>The backup file %1 is damaged at line %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown type tag &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line ends inside a property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad property id &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 properties in one record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line has another number of fields than the first line (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Backup is finished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore is finished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error performing backup! Do not restore data before a backup is performed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore failed! Data might be corrupted! If the program is not working correctly then please uninstall and confirm deleting databases when asked. Afterwards reinstall the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore failed! Data in Vellamo might be corrupted! If Vellamo is not working correctly then please uninstall Vellamo and confirm deleting databases when asked. Afterwards reinstall Vellamo again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BmiChart</name>
    <message>
        <source>Ideal Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Weight</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>About Vellamo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nutrition and diet diary for everyone in the house.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrient data: USDA National Nutrient Database for Standard Reference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBackupDlg</name>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This operation will perform a complete backup. All data will be backed up to files, placed in the folder: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup might take several minutes please be patient. To restore all data select &quot;Restore all data&quot;  from the tools menu. To restore only the Nutrient Database select &quot;Restore Nutrient Database&quot; from the tools menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap OK to perform backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This operation will perform a complete restore of data. All data will be deleted and replaced with data from the last performed backup. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore might take several minutes please be patient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap OK to restore all data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Nutrient Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This operation will perform a complete restore of the Nutrient Database. All data in the Nutrient Database will be deleted and replaced with data from the last performed backup. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap OK to restore the Nutrient Database.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBmiChartDlg</name>
    <message>
        <source>Body Mass Index</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBmiTableDlg</name>
    <message>
        <source>Severe obesity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderate obesity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal weight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderate underweight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Severe underweight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Mass Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCopyEntriesDlg</name>
    <message>
        <source>Copy to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %1 to the day:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCsvFile</name>
    <message>
        <source>Error opening the file %1 for reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening the file %1 for reading: it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: a field is longer than %3 KiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening CSV file for writing. Export function terminated!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDietGoalsDlg</name>
    <message>
        <source>Diet goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poly:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alco:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodium:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cholest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiber:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExerciseDatabaseDlg</name>
    <message>
        <source>Exercise database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time spent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exersise</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExercisePropertiesDlg</name>
    <message>
        <source>Exercise properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time spent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFoodDBDoc</name>
    <message>
        <source>The entries are on that day already: please choose another day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no entry with the id %1 on that day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to copy on that day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entries could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meal properties</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFoodDBView</name>
    <message>
        <source>Copy to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the whole day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 entries chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFoodDBViewDetails</name>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.csv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFoodDetailsDlg</name>
    <message>
        <source>Food properties (details)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poly:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alco:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ref.wgt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodium:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cholest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiber:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFoodLabelDlg</name>
    <message>
        <source>Food label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap screen to return!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFoodPropertiesDlg</name>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monounsaturates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polyunsaturates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbohydrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cholesterol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alco:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ref.wgt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serving size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serving sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t add item to it self!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A food can have at most %1 components.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food Serving Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This food is read only. The food is properly imported from the USDA sr13 database. Only foods created in the Nutrient Database can be changed! It is always possible to edit serving sizes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFoodTreeCtrl</name>
    <message>
        <source>Root</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFullScreenDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGraphForm</name>
    <message>
        <source>Vellamo graph.png</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CInternationalSettingsDlg</name>
    <message>
        <source>International Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select date format and measures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When finished tap Finish to proceed. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Diary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight tracker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weight tracker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Nutrient Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Nutrient Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore &amp;Nutrient Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profile settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please open a profile first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All data connected to selected profile will be deleted. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please reconfirm deleting profile. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the Nutrient Database. All data will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrient Database deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Nutrient Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New meal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Ravelin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Mass Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diet goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meals pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*) (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QToolBar { spacing: 0px; padding: 0px; border: none; }QToolButton { padding: 1px 2px; margin: 0px; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QToolButton { padding: 1px 3px; } QToolButton::menu-indicator { image: none; width: 0px; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New entries will be appended to Nutrient Database. Existing entries will be updated. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMealPropertiesDlg</name>
    <message>
        <source>Serving size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of servings:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMealsPatternDlg</name>
    <message>
        <source>Breakfast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meals pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of percentage values must be 100%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNutrientDBDlg</name>
    <message>
        <source>Nutrient database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food describtion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What can I eat today?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete food/folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food/folder properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search has reached the end of the Nutrient Database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNutritionApp</name>
    <message>
        <source> Vellamo stops so that nothing you enter is lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionPropertySheet</name>
    <message>
        <source>Calorie intake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calories required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calorie expenditure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calorie budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calorie intake/Required calories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protein/Protein energy percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat/Fat energy percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturates/Saturates energy percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monounsaturates/Monounsaturates energy percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polyunsaturates/Polyunsaturates energy percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbohydrate/Carbohydrate energy percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcohol/Alcohol energy percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cholesterol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy intake &gt; recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protein &gt; g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protein &gt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protein &lt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat &gt; g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat &gt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturates &gt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monounsat &lt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polyunsat &lt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabohydrate &gt; g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabohydrate &gt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabohydrate &lt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcohol &gt; g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcohol &gt; %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodium &gt; mg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cholesterol &gt; mg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show meals property on create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter and warning modes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planning mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real time mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method calculating required calories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harris-Benedict formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Based on actual food intake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required calories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use exercises from Ravelin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diary view:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defined Parameters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filters enabled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProfilePage</name>
    <message>
        <source>&lt;- Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next -&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProfilesDlg</name>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPropPgProfile1</name>
    <message>
        <source>Personal settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name, height, age and gender. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When finished tap Next to proceed. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPropPgProfile2</name>
    <message>
        <source>Diet plan - Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the start date of your diet and your start weight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start weight:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPropPgProfile3</name>
    <message>
        <source>Diet plan - Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target weight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Mass Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target date cannot be before the start date of the diet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the target date of your diet and your target weight. Tap the Body Mass Index button to determin your ideal weight.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPropPgProfile4</name>
    <message>
        <source>Advanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diet Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meals Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When finished tap Next to proceed. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap the Diet Goals button if you need to define detailed nutritional diet goals or if you need to define diet goals for User Defined Parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap the Meals Pattern button to set up how your food intake is distributed on the different meals on the day. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPropPgProfile5</name>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please review the details of your diet plan below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap Finish to complete the setup of your Profile. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecentFoodsDlg</name>
    <message>
        <source>Last Recently Used Foods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Meals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serving Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSearchDlg</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search food where food name contains:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CServingSizePropertiesDlg</name>
    <message>
        <source>Serving size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CServingSizesDlg</name>
    <message>
        <source>Serving sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set default serving size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete serving size: &apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CViewProfile</name>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diet plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly weight loss:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CViewSplashScreen</name>
    <message>
        <source>Please press F1 for help to get started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CViewWeightTracker</name>
    <message>
        <source>Current weight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target weight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated end date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend end date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellamo weight tracker.png</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWarningsDlg</name>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following requirements are violated!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFolders</name>
    <message>
        <source>Cannot create the data folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the documents folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DatabaseConversion</name>
    <message>
        <source>Vellamo databases will be converted to version 2.0 format. Please wait!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrient Database will be converted from version 3.0 or earlier to version 3.1. Only two levels of folders are allowed in version 3.1. Folders at deeper levels will be moved to Root folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error in the Nutrient Database has been detected. The program will attempt to correct the problem.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogData</name>
    <message>
        <source>Are you sure you want to cancel dialog. Changes will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiaryScreen</name>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meal/Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount/Time spent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monounsaturates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polyunsaturates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbohydrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cholesterol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FoodEditor</name>
    <message>
        <source>Folders can only be created in Root or first level folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root folder can&apos;t be deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder can&apos;t be deleted because it has subfolders!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder can&apos;t be deleted because it contains foods!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want delete folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want delete food(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t move folder. Folders with sub-folders can not be moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t move folder to it self</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t move Parent-folder to Sub-folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders can only be moved into Root or first level folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to copy a folder. To copy a folder with contents create a new folder and copy all the foods from the source folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FoodForm</name>
    <message>
        <source>Unknown item...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FoodLabel</name>
    <message>
        <source>Calories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kcal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodium:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cholesterol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiber:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphBuilder</name>
    <message>
        <source>&lt;None&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight (lbs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight trend (kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight trend (lbs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NutrientImport</name>
    <message>
        <source>There is no database installed. Default database will be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The import stopped there; the foods before that line are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing the Nutrient Database might take several minutes. Please be patient!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NutrientSources</name>
    <message>
        <source>Sources of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other foods</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PeriodPickers</name>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanSummary</name>
    <message>
        <source>Weekly weight gain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly weight loss:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To accomplish your diet goal, you will need to eat </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> more calories per day than your body burns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> fewer calories per day than your body burns.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintableReport</name>
    <message>
        <source>Profile: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No weight was entered up to the end of the period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meal/Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kcal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenditure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductPicture</name>
    <message>
        <source>Nutrition and diet diary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>the disk is full. Free some disk space, then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file or its folder cannot be written. Make both writable for your user, then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged. Run &quot;vellamo-cli check&quot;, and restore your last backup if it finds damage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program kept it locked. Close the other program, then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there was not enough memory. Close other programs, then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file or its log cannot be opened. Check that its folder exists and is writable, then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk reported an error. Check the disk, then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellamo could not write to its data file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellamo could not read its data file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellamo cannot change its data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is not a Vellamo data file, or it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; belongs to another program; it is not a Vellamo data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; was written by a newer version of Vellamo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is locked by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Vellamo has left it unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is shorter than its pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tables missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCalculator</name>
    <message>
        <source>Nutrient values - daily average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrient values - totals for period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defined Parameters - daily average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Req&apos;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nutrient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Req&apos;d%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calories (kcal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenditure (kcal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protein (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fat (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Saturates  (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Monounsaturates (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Polyunsaturates (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbohydrate (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcohol (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodium (mg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cholesterol (mg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiber (g)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeOfDayFields</name>
    <message>
        <source>Time on day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeightTracker</name>
    <message>
        <source>Planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight (lbs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
