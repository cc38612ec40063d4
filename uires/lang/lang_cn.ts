<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ColorPanel</name>
    <message>
        <location filename="../layout/color_panel.ui" line="14"/>
        <source>Pick a colour</source>
        <translation>点选颜色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="31"/>
        <source>Automatic colour</source>
        <translation>自动颜色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="39"/>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="47"/>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="55"/>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="63"/>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="71"/>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="79"/>
        <source>Magenta</source>
        <translation>品红</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="87"/>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="95"/>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <location filename="../layout/color_panel.ui" line="117"/>
        <source>Chosen colour</source>
        <translation>已选颜色</translation>
    </message>
</context>
<context>
    <name>DirectionPanel</name>
    <message>
        <location filename="../layout/direction.ui" line="13"/>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="42"/>
        <source>Upwards</source>
        <translation>向上</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="54"/>
        <source>To the left</source>
        <translation>向左</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="66"/>
        <source>To the right</source>
        <translation>向右</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="79"/>
        <source>Downwards</source>
        <translation>向下</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="99"/>
        <source>Clockwise</source>
        <translation>顺时针</translation>
    </message>
    <message>
        <location filename="../layout/direction.ui" line="111"/>
        <source>Anticlockwise</source>
        <translation>逆时针</translation>
    </message>
</context>
<context>
    <name>KeyAssignPanel</name>
    <message>
        <location filename="../layout/keyboard.ui" line="29"/>
        <source>Key assignment</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <location filename="../layout/keyboard.ui" line="35"/>
        <source>Click a key to give it another key, a media key, a shortcut or a recorded macro.</source>
        <translation>点击按键，可将其改为其他按键、多媒体键、组合键或录制的宏。</translation>
    </message>
    <message>
        <location filename="../layout/keyboard.ui" line="53"/>
        <source>Reassigned key</source>
        <translation>已改键</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <location filename="../layout/kbpanel.ui" line="60"/>
        <source>Effect</source>
        <translation>灯效</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="79"/>
        <source>Colour set</source>
        <translation>颜色组</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="87"/>
        <source>Colour set 1</source>
        <translation>颜色组 1</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="88"/>
        <source>Colour set 2</source>
        <translation>颜色组 2</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="89"/>
        <source>Colour set 3</source>
        <translation>颜色组 3</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="90"/>
        <source>Colour set 4</source>
        <translation>颜色组 4</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="106"/>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="133"/>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="160"/>
        <location filename="../layout/kbpanel.ui" line="273"/>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="229"/>
        <source>Colours</source>
        <translation>颜色</translation>
    </message>
    <message>
        <location filename="../layout/kbpanel.ui" line="255"/>
        <source>Foreground</source>
        <translation>前景</translation>
    </message>
</context>
<context>
    <name>MacroDlg</name>
    <message>
        <location filename="../layout/macro.ui" line="6"/>
        <location filename="../layout/macro.ui" line="25"/>
        <source>Key settings</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="42"/>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="53"/>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="74"/>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="91"/>
        <source>Macro groups</source>
        <translation>宏分组</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="111"/>
        <source>New group</source>
        <translation>新建分组</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="118"/>
        <location filename="../layout/macro.ui" line="175"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="151"/>
        <source>Start record</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="161"/>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="168"/>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="182"/>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="208"/>
        <source>Code</source>
        <translation>键码</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="213"/>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="218"/>
        <source>Action</source>
        <translation>动作</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="223"/>
        <source>Delay (ms)</source>
        <translation>延时（毫秒）</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="239"/>
        <source>Delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="246"/>
        <source>Recorded</source>
        <translation>录制</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="255"/>
        <source>Fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="264"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="280"/>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="289"/>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="306"/>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="313"/>
        <source>Play the set count</source>
        <translation>按设定次数播放</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="314"/>
        <source>Repeat while held</source>
        <translation>按住时重复</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="315"/>
        <source>Toggle on and off</source>
        <translation>按一下开始，再按停止</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="329"/>
        <source>Single key</source>
        <translation>单键</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="352"/>
        <source>Press the key this key should become.</source>
        <translation>请按下此按键要变成的按键。</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="395"/>
        <source>Media key</source>
        <translation>多媒体键</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="426"/>
        <source>Choose the media key this key should send.</source>
        <translation>选择此按键要发送的多媒体键。</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="452"/>
        <source>Function key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="483"/>
        <source>Choose the shortcut this key should send.</source>
        <translation>选择此按键要发送的组合键。</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="519"/>
        <source>Restore the key</source>
        <translation>恢复按键</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="521"/>
        <source>Give the key its own function back</source>
        <translation>让此按键恢复原有功能</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="530"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../layout/macro.ui" line="537"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MainWnd</name>
    <message>
        <location filename="../layout/main_wnd.ui" line="40"/>
        <source>keyboard studio</source>
        <translation>键盘工作室</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="49"/>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="56"/>
        <source>The keyboard’s active profile</source>
        <translation>键盘当前使用的配置</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="66"/>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="77"/>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="88"/>
        <source>Maximise</source>
        <translation>最大化</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="99"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="120"/>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="144"/>
        <location filename="../layout/main_wnd.ui" line="211"/>
        <source>Lighting</source>
        <translation>灯光</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="168"/>
        <source>Side light</source>
        <translation>侧灯</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="192"/>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="217"/>
        <source>Bring back the keyboard’s own lighting effects and colours.</source>
        <translation>恢复键盘自带的灯光效果和颜色。</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="238"/>
        <source>Reset lighting</source>
        <translation>重置灯光</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="261"/>
        <source>Custom colours</source>
        <translation>自定义颜色</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="267"/>
        <source>Clear the colours given to single keys in the custom modes.</source>
        <translation>清除自定义模式下为单个按键设置的颜色。</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="288"/>
        <source>Reset key colours</source>
        <translation>重置按键颜色</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="311"/>
        <source>Key assignments</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="317"/>
        <source>Give every key its own function back and free the macro slots.</source>
        <translation>让所有按键恢复原有功能，并释放宏存储位置。</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="338"/>
        <source>Reset assignments</source>
        <translation>重置按键</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="361"/>
        <source>Key lock</source>
        <translation>按键锁定</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="367"/>
        <source>Lock the Windows keys while you play.</source>
        <translation>游戏时锁定 Windows 键。</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="388"/>
        <source>Lock Windows keys</source>
        <translation>锁定 Windows 键</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="411"/>
        <source>Shortcut lock</source>
        <translation>快捷键锁定</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="417"/>
        <source>Lock the system shortcuts while you play.</source>
        <translation>游戏时锁定系统快捷键。</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="438"/>
        <source>Lock shortcuts</source>
        <translation>锁定快捷键</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="461"/>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="467"/>
        <source>Release every key and shortcut lock.</source>
        <translation>解除所有按键和快捷键锁定。</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="488"/>
        <source>Unlock all keys</source>
        <translation>解锁所有按键</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="511"/>
        <source>Factory settings</source>
        <translation>出厂设置</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="517"/>
        <source>Restore everything the keyboard stores to the state it left the factory in.</source>
        <translation>将键盘保存的所有设置恢复为出厂状态。</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="538"/>
        <source>Restore factory settings</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="570"/>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <location filename="../layout/main_wnd.ui" line="579"/>
        <source>Sync lighting with the screen</source>
        <translation>灯光与屏幕同步</translation>
    </message>
</context>
<context>
    <name>SideLightPanel</name>
    <message>
        <location filename="../layout/kbside.ui" line="21"/>
        <source>Side light</source>
        <translation>侧灯</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="27"/>
        <source>The light strip along the sides of the keyboard.</source>
        <translation>键盘两侧的灯带。</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="53"/>
        <source>Effect</source>
        <translation>灯效</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="61"/>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="62"/>
        <source>Always on</source>
        <translation>常亮</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="63"/>
        <source>Breathing</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="64"/>
        <source>Spectrum cycle</source>
        <translation>光谱循环</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="65"/>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="78"/>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="105"/>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="124"/>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="139"/>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="147"/>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="155"/>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="163"/>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="171"/>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="179"/>
        <source>Magenta</source>
        <translation>品红</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="187"/>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="196"/>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="209"/>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="230"/>
        <source>To the left</source>
        <translation>向左</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="243"/>
        <source>To the right</source>
        <translation>向右</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="255"/>
        <source>Upwards</source>
        <translation>向上</translation>
    </message>
    <message>
        <location filename="../layout/kbside.ui" line="267"/>
        <source>Downwards</source>
        <translation>向下</translation>
    </message>
</context>
<context>
    <name>kbconf</name>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>key down</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>key up</source>
        <translation>弹起</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>替换</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
</TS>
