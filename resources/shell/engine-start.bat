@echo off
set PATH=.\java\j2re1.4.2_07\bin;.\java\j2re1.4.2_07\lib;.\JMF2.1.1e\bin;
set CLASSPATH=.\JMF2.1.1e\lib\sound.jar;.\JMF2.1.1e\lib\jmf.jar;
set JMFHOME=.\JMF2.1.1e
java -Djava.library.path=./codecs -classpath .\java\j2re1.4.2_07\lib\jkt.jar;%CLASSPATH%;%JMFHOME% KestMain.KestJvm.KestSipIP.KestVoip.QMBSipMessenger
