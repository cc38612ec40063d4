<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ColorPanel</name>
    <message>
        <location filename="../layout/color_panel.ui" line="14"/>
        <source>Pick a colour</source>
        <translation>Pick a colour</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="31"/>
        <source>Automatic colour</source>
        <translation>Automatic colour</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="39"/>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="47"/>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="55"/>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="63"/>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="71"/>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="79"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="87"/>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="95"/>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="117"/>
        <source>Chosen colour</source>
        <translation>Chosen colour</translation>
    </message>
</context>
<context>
    <name>DirectionPanel</name>
    <message>
        <location filename="../layout/direction.ui" line="13"/>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="42"/>
        <source>Upwards</source>
        <translation>Upwards</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="54"/>
        <source>To the left</source>
        <translation>To the left</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="66"/>
        <source>To the right</source>
        <translation>To the right</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="79"/>
        <source>Downwards</source>
        <translation>Downwards</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="99"/>
        <source>Clockwise</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="111"/>
        <source>Anticlockwise</source>
        <translation>Anticlockwise</translation>
    </message>
</context>
<context>
    <name>KeyAssignPanel</name>
    <message>
        <location filename="../layout/keyboard.ui" line="29"/>
        <source>Key assignment</source>
        <translation>Key assignment</translation>
    </message>
    <message>
        <location filename="../layout/keyboard.ui" line="35"/>
        <source>Click a key to give it another key, a media key, a shortcut or a recorded macro.</source>
        <translation>Click a key to give it another key, a media key, a shortcut or a recorded macro.</translation>
    </message>
    <message>
        <location filename="../layout/keyboard.ui" line="53"/>
        <source>Reassigned key</source>
        <translation>Reassigned key</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <location filename="../layout/kbpanel.ui" line="60"/>
        <source>Effect</source>
        <translation>Effect</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="79"/>
        <source>Colour set</source>
        <translation>Colour set</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="87"/>
        <source>Colour set 1</source>
        <translation>Colour set 1</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="88"/>
        <source>Colour set 2</source>
        <translation>Colour set 2</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="89"/>
        <source>Colour set 3</source>
        <translation>Colour set 3</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="90"/>
        <source>Colour set 4</source>
        <translation>Colour set 4</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="106"/>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="133"/>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="160"/>
        <location filename="../layout/kbpanel.ui" line="273"/>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="229"/>
        <source>Colours</source>
        <translation>Colours</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="255"/>
        <source>Foreground</source>
        <translation>Foreground</translation>
    </message>
</context>
<context>
    <name>MacroDlg</name>
    <message>
        <location filename="../layout/macro.ui" line="6"/>
        <location filename="../layout/macro.ui" line="25"/>
        <source>Key settings</source>
        <translation>Key settings</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="42"/>
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="53"/>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="74"/>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="91"/>
        <source>Macro groups</source>
        <translation>Macro groups</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="111"/>
        <source>New group</source>
        <translation>New group</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="118"/>
        <location filename="../layout/macro.ui" line="175"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="151"/>
        <source>Start record</source>
        <translation>Start record</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="161"/>
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="168"/>
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="182"/>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="208"/>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="213"/>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="218"/>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="223"/>
        <source>Delay (ms)</source>
        <translation>Delay (ms)</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="239"/>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="246"/>
        <source>Recorded</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="255"/>
        <source>Fixed</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="264"/>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="280"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="289"/>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="306"/>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="313"/>
        <source>Play the set count</source>
        <translation>Play the set count</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="314"/>
        <source>Repeat while held</source>
        <translation>Repeat while held</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="315"/>
        <source>Toggle on and off</source>
        <translation>Toggle on and off</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="329"/>
        <source>Single key</source>
        <translation>Single key</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="352"/>
        <source>Press the key this key should become.</source>
        <translation>Press the key this key should become.</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="395"/>
        <source>Media key</source>
        <translation>Media key</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="426"/>
        <source>Choose the media key this key should send.</source>
        <translation>Choose the media key this key should send.</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="452"/>
        <source>Function key</source>
        <translation>Function key</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="483"/>
        <source>Choose the shortcut this key should send.</source>
        <translation>Choose the shortcut this key should send.</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="519"/>
        <source>Restore the key</source>
        <translation>Restore the key</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="521"/>
        <source>Give the key its own function back</source>
        <translation>Give the key its own function back</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="530"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="537"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainWnd</name>
    <message>
        <location filename="../layout/main_wnd.ui" line="40"/>
        <source>keyboard studio</source>
        <translation>keyboard studio</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="49"/>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="56"/>
        <source>The keyboard’s active profile</source>
        <translation>The keyboard’s active profile</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="66"/>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="77"/>
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="88"/>
        <source>Maximise</source>
        <translation>Maximise</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="99"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="120"/>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="144"/>
        <location filename="../layout/main_wnd.ui" line="211"/>
        <source>Lighting</source>
        <translation>Lighting</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="168"/>
        <source>Side light</source>
        <translation>Side light</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="192"/>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="217"/>
        <source>Bring back the keyboard’s own lighting effects and colours.</source>
        <translation>Bring back the keyboard’s own lighting effects and colours.</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="238"/>
        <source>Reset lighting</source>
        <translation>Reset lighting</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="261"/>
        <source>Custom colours</source>
        <translation>Custom colours</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="267"/>
        <source>Clear the colours given to single keys in the custom modes.</source>
        <translation>Clear the colours given to single keys in the custom modes.</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="288"/>
        <source>Reset key colours</source>
        <translation>Reset key colours</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="311"/>
        <source>Key assignments</source>
        <translation>Key assignments</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="317"/>
        <source>Give every key its own function back and free the macro slots.</source>
        <translation>Give every key its own function back and free the macro slots.</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="338"/>
        <source>Reset assignments</source>
        <translation>Reset assignments</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="361"/>
        <source>Key lock</source>
        <translation>Key lock</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="367"/>
        <source>Lock the Windows keys while you play.</source>
        <translation>Lock the Windows keys while you play.</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="388"/>
        <source>Lock Windows keys</source>
        <translation>Lock Windows keys</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="411"/>
        <source>Shortcut lock</source>
        <translation>Shortcut lock</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="417"/>
        <source>Lock the system shortcuts while you play.</source>
        <translation>Lock the system shortcuts while you play.</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="438"/>
        <source>Lock shortcuts</source>
        <translation>Lock shortcuts</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="461"/>
        <source>Unlock</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="467"/>
        <source>Release every key and shortcut lock.</source>
        <translation>Release every key and shortcut lock.</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="488"/>
        <source>Unlock all keys</source>
        <translation>Unlock all keys</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="511"/>
        <source>Factory settings</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="517"/>
        <source>Restore everything the keyboard stores to the state it left the factory in.</source>
        <translation>Restore everything the keyboard stores to the state it left the factory in.</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="538"/>
        <source>Restore factory settings</source>
        <translation>Restore factory settings</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="570"/>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="579"/>
        <source>Sync lighting with the screen</source>
        <translation>Sync lighting with the screen</translation>
    </message>
</context>
<context>
    <name>SideLightPanel</name>
    <message>
        <location filename="../layout/kbside.ui" line="21"/>
        <source>Side light</source>
        <translation>Side light</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="27"/>
        <source>The light strip along the sides of the keyboard.</source>
        <translation>The light strip along the sides of the keyboard.</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="53"/>
        <source>Effect</source>
        <translation>Effect</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="61"/>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="62"/>
        <source>Always on</source>
        <translation>Always on</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="63"/>
        <source>Breathing</source>
        <translation>Breathing</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="64"/>
        <source>Spectrum cycle</source>
        <translation>Spectrum cycle</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="65"/>
        <source>Wave</source>
        <translation>Wave</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="78"/>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="105"/>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="124"/>
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="139"/>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="147"/>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="155"/>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="163"/>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="171"/>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="179"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="187"/>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="196"/>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="209"/>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="230"/>
        <source>To the left</source>
        <translation>To the left</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="243"/>
        <source>To the right</source>
        <translation>To the right</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="255"/>
        <source>Upwards</source>
        <translation>Upwards</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="267"/>
        <source>Downwards</source>
        <translation>Downwards</translation>
    </message>
</context>
<context>
    <name>kbconf</name>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Start record</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Stop record</translation>
    </message>
    <message>
        <source>key down</source>
        <translation>key down</translation>
    </message>
    <message>
        <source>key up</source>
        <translation>key up</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>replace</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
</context>
</TS>
