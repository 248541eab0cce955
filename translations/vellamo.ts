<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
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
</context>
</TS>
